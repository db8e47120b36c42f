#include "platform/posix/PosixFileSystem.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>

#include "TempFolder.h"

TEST(PosixFileSystem, ShiftJisPathsAreUtf8OnDisk) {
    TempFolder temp;
    ClPosixFileSystem fs;
    const std::string folder = temp.path + "/表ソ";  // Shift_JIS here
    ASSERT_TRUE(fs.CreateFolder(folder));
    struct stat st {};
    EXPECT_EQ(::stat((temp.path + Utf8(u8"/表ソ")).c_str(), &st), 0);
    EXPECT_TRUE(fs.IsFolder(folder + "/"));
    EXPECT_TRUE(fs.Access(folder, accessmode::kReadWrite));
    EXPECT_FALSE(fs.Access(temp.path + "/\x82", accessmode::kExists));  // no UTF-8 form

    ASSERT_TRUE(fs.ReplaceFile(folder + "/a.env", "one\n"));
    ASSERT_TRUE(fs.ReplaceFile(folder + "/a.env", "two\n"));
    std::string content;
    EXPECT_TRUE(fs.ReadFile(folder + "/a.env", content, 100));
    EXPECT_EQ(content, "two\n");
    EXPECT_FALSE(fs.ReadFile(folder + "/a.env", content, 3));
    EXPECT_FALSE(fs.ReplaceFile(temp.path + "/missing/a.env", "x"));
    EXPECT_FALSE(fs.RemoveFolder(folder));  // not empty
    EXPECT_FALSE(fs.IsReadOnlyVolume(folder + "/not/yet/there.xml"));
}

TEST(PosixFileSystem, ProgramAndFolders) {
    ClPosixFileSystem fs;
    const std::string program = fs.GetProgramPath();
    EXPECT_EQ(program.substr(program.rfind('/') + 1), "test_posix");
    TempFolder temp;
    const std::string before = fs.GetCurrentFolder();
    ASSERT_TRUE(fs.SetCurrentFolder(temp.path));
    EXPECT_EQ(fs.GetCurrentFolder(), temp.path);
    ASSERT_TRUE(fs.SetCurrentFolder(before));

    ::setenv("TMPDIR", temp.path.c_str(), 1);
    EXPECT_EQ(fs.GetTempFolder(), temp.path + "/");
    ::unsetenv("TMPDIR");
    EXPECT_EQ(fs.GetTempFolder(), "/tmp/");
}
