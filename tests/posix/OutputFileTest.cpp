#include "services/OutputFile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>

#include "common/FileCases.h"
#include "services/CodePage.h"
#include "support/TestSupport.h"
#include "platform/posix/FileCalls.h"
#include "platform/posix/PosixFileSystem.h"

namespace {

// Runs check in a child process, as the user "nobody" when the tests run as
// root (root may write where a refusal is wanted), that user owning paths.
// check's result (0 for success), or -1 when the child did not return one.
int RunUnprivileged(std::initializer_list<std::string> paths, const std::function<int()>& check) {
    for (const std::string& path : paths) {
        if (::geteuid() == 0) (void)::lchown(path.c_str(), 65534, 65534);
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(100);
        ::_exit(check());
    }
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

ssize_t FailWrite(int, const void*, std::size_t) { return errno = ENOSPC, -1; }
int FailSync(int) { return errno = EIO, -1; }
int FailClose(int fd) { return ::close(fd), errno = EIO, -1; }
int FailRename(const char*, const char*) { return errno = EXDEV, -1; }

// Raises signalAtCreation (when set) just before or just after the file is made.
int signalAtCreation = 0;
bool signalBeforeCreation = false;
int OpenAndSignal(const char* path, int flags, mode_t mode) {
    if (signalAtCreation && signalBeforeCreation) ::raise(signalAtCreation);
    const int fd = RealFileCalls().open(path, flags, mode);
    if (signalAtCreation && !signalBeforeCreation) ::raise(signalAtCreation);
    return fd;
}

class OutputFileTest : public ::testing::Test {
protected:
    void TearDown() override { FileCalls() = RealFileCalls(); }
    void Put(const std::string& name, const std::string& bytes) const { std::ofstream(dir.path + "/" + name) << bytes; }
    std::string Read(const std::string& name) const { return ReadFileBytes(dir.path + "/" + name); }
    std::set<std::string> Names(const std::string& folder = "") const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path + folder))
            names.insert(entry.path().filename().string());
        return names;
    }

    TempFolder dir;
    const std::string target = dir.path + "/所得税.xml";  // narrow literal: Shift_JIS
    const std::string onDisk = U8(u8"所得税.xml");
};

// The target's name is Shift_JIS in the program, UTF-8 on disk.
TEST_F(OutputFileTest, OnlyACommitReplacesTheTargetKeepingItsMode) {
    Put(onDisk, "old");
    ASSERT_EQ(chmod((dir.path + "/" + onDisk).c_str(), 0664), 0);  // the umask would drop 020
    const mode_t umaskBefore = umask(022);
    ExpectOnlyACommitReplaces(dir.path + "/", "所得税.xml",
                              [](const std::string& path) { return ReadFileBytes(SjisToUtf8(path).value_or("")); });
    umask(umaskBefore);
    EXPECT_EQ(Names(), std::set<std::string>{onDisk});  // no temporary file left
    struct stat st {};
    ASSERT_EQ(stat((dir.path + "/" + onDisk).c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0664u);
}

TEST_F(OutputFileTest, RefusedCreatesLeaveNothing) {
    ExpectRefusedCreates(dir.path + "/", '/');
    EXPECT_FALSE(NewOutputFile()->Create((dir.path + "/\x82").c_str()));  // no code page 932 form
    EXPECT_TRUE(Names().empty());
}

// Whatever fails on the way, the target keeps its content and no temporary
// file stays behind.
TEST_F(OutputFileTest, AFailureBeforeTheRenameLeavesTheTargetAndNoTemporaryFile) {
    const std::pair<const char*, void (*)(StFILECALLS&)> faults[] = {
        {"write", [](StFILECALLS& c) { c.write = FailWrite; }},
        {"fsync", [](StFILECALLS& c) { c.fsync = FailSync; }},
        {"close", [](StFILECALLS& c) { c.close = FailClose; }},
        {"rename", [](StFILECALLS& c) { c.rename = FailRename; }},
    };
    Put(onDisk, "old");
    for (const auto& [name, fault] : faults) {
        auto file = NewOutputFile();
        ASSERT_TRUE(file->Create(target.c_str())) << name;
        fault(FileCalls());
        EXPECT_FALSE(file->Write("new", 3) && file->Commit()) << name;
        file->Close();
        FileCalls() = RealFileCalls();
        EXPECT_EQ(Read(onDisk), "old") << name;
        EXPECT_EQ(Names(), std::set<std::string>{onDisk}) << name;
    }
}

// Permissions decide only for an ordinary user; root runs these as nobody.
TEST_F(OutputFileTest, ReadOnlyTargetRefusedAndUnwritableFolderWrittenInPlace) {
    const std::string locked = dir.path + "/locked.xml", shut = dir.path + "/shut", inPlace = shut + "/in.xml";
    ASSERT_EQ(chmod(dir.path.c_str(), 0777), 0);
    ASSERT_EQ(mkdir(shut.c_str(), 0755), 0);
    Put("locked.xml", "old");
    Put("shut/in.xml", "old content");
    ASSERT_EQ(chmod(locked.c_str(), 0444), 0);
    ASSERT_EQ(chmod(inPlace.c_str(), 0644), 0);
    ASSERT_EQ(chmod(shut.c_str(), 0555), 0);  // takes no new files

    EXPECT_EQ(RunUnprivileged({locked}, [&] { return NewOutputFile()->Create(locked.c_str()) ? 1 : 0; }), 0);
    EXPECT_EQ(Read("locked.xml"), "old");
    EXPECT_EQ(RunUnprivileged({shut, inPlace},
                              [&] {
                                  // The remembered-path file is never written in place.
                                  if (ClPosixFileSystem().ReplaceFile(inPlace, "env\n")) return 5;
                                  if (Read("shut/in.xml") != "old content") return 6;
                                  auto file = NewOutputFile();
                                  if (!file->Create(inPlace.c_str()) || !file->Write("new", 3)) return 1;
                                  file->Close();  // a report that failed: the file is untouched
                                  if (Read("shut/in.xml") != "old content") return 2;
                                  FileCalls().write = FailWrite;  // a write that fails is reported
                                  if (!file->Create(inPlace.c_str()) || !file->Write("new", 3) || file->Commit())
                                      return 7;
                                  FileCalls() = RealFileCalls();
                                  if (!file->Create(inPlace.c_str()) || !file->Write("new", 3)) return 3;
                                  return file->Commit() ? 0 : 4;
                              }),
              0);
    EXPECT_EQ(Read("shut/in.xml"), "new");
    EXPECT_EQ(Names("/shut"), std::set<std::string>{"in.xml"});
}

// A link stays a link; the file it names (relative to the link's folder,
// or yet to be made) gets the content.
TEST_F(OutputFileTest, LinksAreFollowedToTheFileTheyName) {
    ASSERT_EQ(mkdir((dir.path + "/sub").c_str(), 0755), 0);
    const std::string link = dir.path + "/sub/link.xml";
    const std::pair<std::string, std::string> links[] = {
        {dir.path + "/real.xml", "real.xml"}, {"../real.xml", "real.xml"}, {"new.xml", "sub/new.xml"}};
    for (const auto& [linkText, named] : links) {
        Put("real.xml", "old");
        std::filesystem::remove(link);
        ASSERT_EQ(symlink(linkText.c_str(), link.c_str()), 0);
        auto file = NewOutputFile();
        ASSERT_TRUE(file->Create(link.c_str()) && file->Write("new", 3) && file->Commit()) << linkText;
        EXPECT_TRUE(std::filesystem::is_symlink(link)) << linkText;
        EXPECT_EQ(Read(named), "new") << linkText;
    }
    EXPECT_EQ(Names(), (std::set<std::string>{"real.xml", "sub"}));
}

// A signal while the file is written, or one that comes just as the
// temporary file is made (the first of the run: before that the program had
// no handlers): nothing is left, and the program ends by that signal.
TEST_F(OutputFileTest, EndingSignalsRemoveTheTemporaryFile) {
    enum EnMoment { kWhileWritten, kAsItIsCreated, kOnceCreated };
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        for (EnMoment moment : {kWhileWritten, kAsItIsCreated, kOnceCreated}) {
            int ready[2];
            ASSERT_EQ(pipe(ready), 0);
            const pid_t pid = fork();
            if (pid == 0) {
                signalAtCreation = moment == kWhileWritten ? 0 : signal;
                signalBeforeCreation = moment == kAsItIsCreated;
                FileCalls().open = OpenAndSignal;
                auto file = NewOutputFile();
                if (file->Create((dir.path + "/out.xml").c_str()) && file->Write("part", 4)) {
                    if (moment != kWhileWritten) ::_exit(3);  // the signal did not end it
                    (void)::write(ready[1], "r", 1);
                }
                for (;;) pause();
            }
            if (moment == kWhileWritten) {
                char byte = 0;
                ASSERT_EQ(::read(ready[0], &byte, 1), 1) << signal;
                EXPECT_EQ(Names().size(), 1u);  // the temporary file
                kill(pid, signal);
            }
            close(ready[0]);
            close(ready[1]);
            int status = 0;
            ASSERT_EQ(waitpid(pid, &status, 0), pid);
            EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal << " " << moment;
            EXPECT_TRUE(Names().empty()) << signal << " " << moment;
        }
    }
}

// Only this program's names count, and only files over an hour old; a
// folder of such a name stays.
TEST_F(OutputFileTest, StaleTemporaryFilesAreRemovedWhenTheNextIsMade) {
    const std::string fresh = ".orbek-0123456789ac.tmp", folder = ".orbek-0123456789af.tmp";
    const std::set<std::string> kept = {fresh, folder, "x.orbek-0123456789ad.tmp", ".orbek-0123456789AE.tmp",
                                        ".orbek-0123456789a.tmp"};
    ASSERT_EQ(mkdir((dir.path + "/" + folder).c_str(), 0755), 0);
    for (const std::string& name : kept) {
        if (name != folder) Put(name, "left");
    }
    Put(".orbek-0123456789ab.tmp", "stale");
    const timespec twoHoursAgo[2] = {{time(nullptr) - 7200, 0}, {time(nullptr) - 7200, 0}};
    for (const std::string& name : Names()) {
        EXPECT_TRUE(name == fresh || utimensat(AT_FDCWD, (dir.path + "/" + name).c_str(), twoHoursAgo, 0) == 0);
    }
    auto file = NewOutputFile();
    ASSERT_TRUE(file->Create((dir.path + "/out.xml").c_str()));
    file->Close();
    EXPECT_EQ(Names(), kept);
}

}  // namespace
