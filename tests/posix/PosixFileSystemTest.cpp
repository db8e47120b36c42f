#include "platform/posix/PosixFileSystem.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/TestSupport.h"
#include "common/FileCases.h"
#include "common/ProfileReaderCases.h"
#include "services/ReadFile.h"
#include "platform/posix/IniProfileReader.h"

// Shift_JIS names in the program are UTF-8 on disk.
TEST(PosixFileSystem, DoubleByteFolderCycleOnDiskInUtf8) {
    TempFolder temp;
    ClPosixFileSystem fs;
    ExpectDoubleByteFolderCycle(fs, temp.path + "/", [&temp](const std::string&) {
        EXPECT_EQ(::unlink((temp.path + U8(u8"/表/ソ.env")).c_str()), 0);
    });
    EXPECT_FALSE(fs.Access(temp.path + "/\x82", accessmode::kExists));  // no UTF-8 form
    const std::string folder = temp.path + "/表ソ";
    ASSERT_TRUE(fs.CreateFolder(folder));
    ASSERT_TRUE(fs.ReplaceFile(folder + "/a.env", "two\n"));
    std::string content;
    EXPECT_EQ(fs.ReadFile(folder + "/a.env", content, 3), EnReadResult::Failed);    // larger than allowed
    EXPECT_EQ(fs.ReadFile(folder + "/a.env/b", content, 9), EnReadResult::Failed);  // ENOTDIR: not "no such file"
    EXPECT_EQ(fs.ReadFile(folder + "/b.env", content, 9), EnReadResult::NoFile);
    EXPECT_FALSE(fs.ReplaceFile(temp.path + "/missing/a.env", "x"));
    EXPECT_FALSE(fs.RemoveFolder(folder));  // not empty
    EXPECT_FALSE(fs.IsReadOnlyVolume(folder + "/not/yet/there.xml"));
    {
        ClScopedEnv tmp("TMPDIR", temp.path.c_str());
        EXPECT_EQ(fs.GetTempFolder(), temp.path + "/");
    }
    ClScopedEnv none("TMPDIR", nullptr);
    EXPECT_EQ(fs.GetTempFolder(), "/tmp/");
}

// Whatever the program reads, a pipe or a folder at that name reads as no
// file, at once: opening a FIFO must not wait for a writer.
TEST(PosixFileSystem, PipesAndFoldersReadAsNoFile) {
    TempFolder temp;
    const std::string fifo = temp.path + "/SUPPORT.INF";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    ClPosixFileSystem fs;
    ClIniProfileReader ini;
    for (const std::string& path : {fifo, temp.path}) {
        std::string content;
        char head[16];
        EXPECT_FALSE(fs.IsFile(path)) << path;
        EXPECT_EQ(fs.ReadFile(path, content, 100), EnReadResult::NoFile) << path;
        EXPECT_EQ(ReadFileHead(path.c_str(), head, sizeof head), -1) << path;
        EXPECT_EQ(ini.GetString(path, "ProgramLevel", "QL14", "none"), "none") << path;
    }
}

TEST(PosixFileSystem, LockIsExclusiveAndEndsWithItsHolder) {
    TempFolder temp;
    ClPosixFileSystem fs(100);  // wait 100 ms for a holder
    const std::string path = temp.path + "/a.env.lock";
    ExpectLockIsExclusive(fs, path);
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = ::fork();
    if (holder == 0) {
        auto lock = fs.LockFile(path);
        if (lock) (void)::write(ready[1], "r", 1);
        for (;;) ::pause();
    }
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    EXPECT_FALSE(fs.LockFile(path));
    ::kill(holder, SIGKILL);  // no chance to let go of it
    ASSERT_EQ(::waitpid(holder, nullptr, 0), holder);
    EXPECT_TRUE(fs.LockFile(path));
    ::close(ready[0]);
    ::close(ready[1]);
}

TEST(IniProfileReader, ReadsAsTheWindowsReaderDoes) {
    TempFolder temp;
    ClIniProfileReader reader;
    ExpectReadsAsWindowsDoes(reader, temp.path + "/QuillonDef.ini");
}
