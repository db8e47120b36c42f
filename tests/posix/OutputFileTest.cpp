#include "services/OutputFile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "Processes.h"
#include "TempFolder.h"
#include "platform/posix/FileCalls.h"

namespace {

class OutputFileTest : public ::testing::Test {
protected:
    void TearDown() override { FileCalls() = RealFileCalls(); }
    void Put(const std::string& name, const std::string& bytes) const {
        std::ofstream(dir.path + "/" + name) << bytes;
    }
    std::set<std::string> Names() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path))
            names.insert(entry.path().filename().string());
        return names;
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(dir.path + "/" + name, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::size_t Entries() const {
        using std::filesystem::directory_iterator;
        return static_cast<std::size_t>(std::distance(directory_iterator(dir.path), {}));
    }

    TempFolder dir;
    const std::string sjisTarget = dir.path + "/所得税.xml";  // narrow literal: Shift_JIS
    const std::string utf8Name = Utf8(u8"所得税.xml");
};

TEST_F(OutputFileTest, CommitReplacesTheTargetKeepingItsMode) {
    std::ofstream(dir.path + "/" + utf8Name) << "old";
    ASSERT_EQ(chmod((dir.path + "/" + utf8Name).c_str(), 0664), 0);  // the umask would drop 020
    const mode_t umaskBefore = umask(022);
    auto file = NewOutputFile();
    ASSERT_TRUE(file->Create(sjisTarget.c_str()));
    ASSERT_TRUE(file->Write("<A>\r\n\x8f\x8a", 7));
    EXPECT_EQ(Read(utf8Name), "old");  // nothing reaches the target before the commit
    ASSERT_TRUE(file->Commit());
    file->Close();
    EXPECT_EQ(Read(utf8Name), "<A>\r\n\x8f\x8a");
    EXPECT_EQ(Entries(), 1u);  // no temporary file left
    struct stat st {};
    ASSERT_EQ(stat((dir.path + "/" + utf8Name).c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0664u);
    umask(umaskBefore);
}

TEST_F(OutputFileTest, WithoutACommitTheTargetStaysAndNothingIsLeft) {
    std::ofstream(dir.path + "/" + utf8Name) << "old";
    {
        auto file = NewOutputFile();
        ASSERT_TRUE(file->Create(sjisTarget.c_str()));
        ASSERT_TRUE(file->Write("partial", 7));
        file->Close();
        EXPECT_FALSE(file->Write("x", 1));
        EXPECT_FALSE(file->Commit());
        ASSERT_TRUE(NewOutputFile()->Create((dir.path + "/new.xml").c_str()));  // never closed
    }
    EXPECT_EQ(Read(utf8Name), "old");
    EXPECT_EQ(Entries(), 1u);

    auto file = NewOutputFile();
    for (const std::string& target : {dir.path + "/missing/r.xml", dir.path, dir.path + "/",
                                      std::string(), dir.path + "/\x82"}) {  // the last no code page 932
        EXPECT_FALSE(file->Create(target.c_str())) << target;
    }
    EXPECT_FALSE(file->Write("x", 1));
    EXPECT_EQ(Entries(), 1u);
}

}  // namespace

namespace {

ssize_t FailWrite(int, const void*, std::size_t) { return errno = ENOSPC, -1; }
int FailSync(int) { return errno = EIO, -1; }
int FailClose(int fd) { return ::close(fd), errno = EIO, -1; }
int FailRename(const char*, const char*) { return errno = EXDEV, -1; }

}  // namespace

// Whatever fails on the way, the target keeps its content and no temporary
// file stays behind.
TEST_F(OutputFileTest, AFailureBeforeTheRenameLeavesTheTargetAndNoTemporaryFile) {
    const std::pair<const char*, void (*)(StFILECALLS&)> faults[] = {
        {"write", [](StFILECALLS& c) { c.write = FailWrite; }},
        {"fsync", [](StFILECALLS& c) { c.fsync = FailSync; }},
        {"close", [](StFILECALLS& c) { c.close = FailClose; }},
        {"rename", [](StFILECALLS& c) { c.rename = FailRename; }},
    };
    Put(utf8Name, "old");
    for (const auto& [name, fault] : faults) {
        auto file = NewOutputFile();
        ASSERT_TRUE(file->Create(sjisTarget.c_str())) << name;
        fault(FileCalls());
        EXPECT_FALSE(file->Write("new", 3) && file->Commit()) << name;
        file->Close();
        FileCalls() = RealFileCalls();
        EXPECT_EQ(Read(utf8Name), "old") << name;
        EXPECT_EQ(Entries(), 1u) << name;
    }
}

// Permissions decide only for an ordinary user; root runs these as nobody.
TEST_F(OutputFileTest, ReadOnlyTargetRefusedAndUnwritableFolderWrittenInPlace) {
    ASSERT_EQ(chmod(dir.path.c_str(), 0777), 0);
    const std::string locked = dir.path + "/locked.xml", shut = dir.path + "/shut";
    Put("locked.xml", "old");
    ASSERT_EQ(chmod(locked.c_str(), 0444), 0);
    ASSERT_EQ(mkdir(shut.c_str(), 0755), 0);
    Put("shut/in.xml", "old content");
    ASSERT_EQ(chmod((shut + "/in.xml").c_str(), 0644), 0);
    for (const std::string& path : {locked, shut, shut + "/in.xml"}) GiveToUnprivileged(path.c_str());
    ASSERT_EQ(chmod(shut.c_str(), 0555), 0);  // takes no new files

    EXPECT_EQ(RunUnprivileged([&] { return NewOutputFile()->Create(locked.c_str()) ? 1 : 0; }), 0);
    EXPECT_EQ(Read("locked.xml"), "old");
    const std::string inPlace = shut + "/in.xml";
    EXPECT_EQ(RunUnprivileged([&] {
                  auto file = NewOutputFile();
                  if (!file->Create(inPlace.c_str()) || !file->Write("new", 3)) return 1;
                  file->Close();  // a report that failed: the file is untouched
                  std::ifstream before(inPlace);
                  if (std::string(std::istreambuf_iterator<char>(before), {}) != "old content") return 2;
                  if (!file->Create(inPlace.c_str()) || !file->Write("new", 3)) return 3;
                  return file->Commit() ? 0 : 4;
              }),
              0);
    EXPECT_EQ(Read("shut/in.xml"), "new");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(shut), {}), 1);
}

// A link stays a link; the file it names (relative to the link's folder,
// or yet to be made) gets the content.
TEST_F(OutputFileTest, LinksAreFollowedToTheFileTheyName) {
    ASSERT_EQ(mkdir((dir.path + "/sub").c_str(), 0755), 0);
    const std::pair<std::string, std::string> links[] = {
        {dir.path + "/real.xml", "real.xml"},
        {"../real.xml", "real.xml"},
        {"new.xml", "sub/new.xml"},  // names nothing yet
    };
    Put("real.xml", "old");
    for (const auto& [linkText, named] : links) {
        const std::string link = dir.path + "/sub/link.xml";
        std::filesystem::remove(link);
        ASSERT_EQ(symlink(linkText.c_str(), link.c_str()), 0);
        auto file = NewOutputFile();
        ASSERT_TRUE(file->Create(link.c_str())) << linkText;
        ASSERT_TRUE(file->Write("new", 3) && file->Commit()) << linkText;
        struct stat st {};
        ASSERT_EQ(lstat(link.c_str(), &st), 0);
        EXPECT_TRUE(S_ISLNK(st.st_mode)) << linkText;
        EXPECT_EQ(Read(named), "new") << linkText;
        Put("real.xml", "old");
    }
    EXPECT_EQ(Names(), (std::set<std::string>{"real.xml", "sub"}));
}

TEST_F(OutputFileTest, EndingSignalsRemoveTheTemporaryFile) {
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        const pid_t pid = fork();
        if (pid == 0) {
            auto file = NewOutputFile();
            if (file->Create((dir.path + "/out.xml").c_str()) && file->Write("part", 4)) {
                (void)::write(ready[1], "r", 1);
            }
            for (;;) pause();
        }
        char byte = 0;
        ASSERT_EQ(::read(ready[0], &byte, 1), 1) << signal;
        close(ready[0]);
        close(ready[1]);
        EXPECT_EQ(Entries(), 1u);  // the temporary file
        kill(pid, signal);
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal;
        EXPECT_EQ(Entries(), 0u) << signal;
    }
}

// Only this program's names count, and only files over an hour old.
TEST_F(OutputFileTest, StaleTemporaryFilesAreRemovedWhenTheNextIsMade) {
    const char* const stale = ".orbek-0123456789ab.tmp";
    const char* const kept[] = {".orbek-0123456789ac.tmp", "x.orbek-0123456789ad.tmp",
                                ".orbek-0123456789AE.tmp", ".orbek-0123456789a.tmp"};
    const std::string oldFolder = ".orbek-0123456789af.tmp";
    ASSERT_EQ(mkdir((dir.path + "/" + oldFolder).c_str(), 0755), 0);
    std::set<std::string> expected = {oldFolder, kept[0]};
    Put(kept[0], "fresh");
    const timespec twoHoursAgo[2] = {{time(nullptr) - 7200, 0}, {time(nullptr) - 7200, 0}};
    for (const std::string& name : {std::string(stale), std::string(kept[1]), std::string(kept[2]),
                                   std::string(kept[3]), oldFolder}) {
        if (name != oldFolder) Put(name, "left");
        ASSERT_EQ(utimensat(AT_FDCWD, (dir.path + "/" + name).c_str(), twoHoursAgo, 0), 0);
        if (name != stale) expected.insert(name);
    }
    auto file = NewOutputFile();
    ASSERT_TRUE(file->Create((dir.path + "/out.xml").c_str()));
    file->Close();
    EXPECT_EQ(Names(), expected);
}
