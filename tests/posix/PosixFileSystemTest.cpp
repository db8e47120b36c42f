#include "platform/posix/PosixFileSystem.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>

#include "TempFolder.h"

TEST(PosixFileSystem, ShiftJisPathsAreUtf8OnDiskAndRefusalsLeaveThingsAsTheyWere) {
    TempFolder temp;
    ClPosixFileSystem fs;
    const std::string folder = temp.path + "/表ソ";  // Shift_JIS here
    ASSERT_TRUE(fs.CreateFolder(folder));
    struct stat st {};
    EXPECT_EQ(::stat((temp.path + Utf8(u8"/表ソ")).c_str(), &st), 0);
    EXPECT_FALSE(fs.Access(temp.path + "/\x82", accessmode::kExists));  // no UTF-8 form
    ASSERT_TRUE(fs.ReplaceFile(folder + "/a.env", "two\n"));
    std::string content;
    EXPECT_FALSE(fs.ReadFile(folder + "/a.env", content, 3));  // larger than allowed
    EXPECT_FALSE(fs.ReplaceFile(temp.path + "/missing/a.env", "x"));
    EXPECT_FALSE(fs.RemoveFolder(folder));  // not empty
    EXPECT_FALSE(fs.IsReadOnlyVolume(folder + "/not/yet/there.xml"));

    ::setenv("TMPDIR", temp.path.c_str(), 1);
    EXPECT_EQ(fs.GetTempFolder(), temp.path + "/");
    ::unsetenv("TMPDIR");
    EXPECT_EQ(fs.GetTempFolder(), "/tmp/");
}
