// The path helpers, the profile reader and the file system of the Windows
// build against the real Windows calls.
#include <gtest/gtest.h>

#include <cstdlib>

#include "common/ProfileReaderCases.h"
#include "dialog/PathHelpers.h"
#include "platform/win32/WinFileSystem.h"
#include "platform/win32/WinProfileReader.h"

#include <shlwapi.h>
#include "platform/win32/WinApi.h"

namespace {

// Windows paths, some with 0x5C as the second byte of a character (表 ソ).
const char* const kPaths[] = {
    "C:\\data\\out.xml", "c:\\a\\b\\", "C:\\", "C:\\\x95\x5C\\\x83\x5C.xml",
    "C:\\\x95\x5C\\", "\\\\server\\share\\dir\\f.xml", "D:\\x\\y\\z\\f",
};

TEST(Win32PathHelpers, RootsAndFoldersAgreeWithTheWindowsCalls) {
    for (const char* path : kPaths) {
        char stripped[MAX_PATH], drive[_MAX_DRIVE], dir[_MAX_DIR];
        lstrcpynA(stripped, path, MAX_PATH);
        ASSERT_TRUE(PathStripToRootA(stripped)) << path;
        std::string root;
        ASSERT_NE(GetRootPart(EnPathStyle::Windows, path, root, 261), 0) << path;
        EXPECT_EQ(root, stripped) << path;
        _splitpath(path, drive, dir, nullptr, nullptr);
        EXPECT_EQ(FolderText(EnPathStyle::Windows, path), std::string(drive) + dir) << path;
    }
}

TEST(Win32ProfileReader, ReadsAsTheProgramExpects) {
    char temp[MAX_PATH];
    ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
    ClWinProfileReader reader;
    ExpectReadsAsWindowsDoes(reader, std::string(temp) + "orbek-profile-test.ini");
}

TEST(Win32FileSystem, FoldersWithDoubleByteNames) {
    ClWinFileSystem fs;
    const std::string temp = fs.GetTempFolder();
    ASSERT_FALSE(temp.empty());
    EXPECT_EQ(temp.back(), '\\');
    const std::string folder = temp + "\x95\x5C";  // 表
    fs.RemoveFolder(folder);
    EXPECT_FALSE(fs.IsFolder(folder));
    ASSERT_TRUE(fs.CreateFolder(folder));
    EXPECT_TRUE(fs.IsFolder(folder + "\\"));
    EXPECT_TRUE(fs.Access(folder, accessmode::kReadWrite));
    EXPECT_EQ(IsExistingFolder(fs, folder + "\\out.xml"), 1);

    const std::string file = folder + "\\\x83\x5C.env";  // ソ.env
    ASSERT_TRUE(fs.ReplaceFile(file, "a\nb\n"));
    std::string content;
    EXPECT_TRUE(fs.ReadFile(file, content, 100));
    EXPECT_EQ(content, "a\nb\n");
    EXPECT_TRUE(fs.IsFile(file));
    EXPECT_FALSE(fs.IsFile(folder));
    EXPECT_FALSE(fs.ReadFile(file, content, 3));  // over the limit
    EXPECT_FALSE(fs.RemoveFolder(folder));        // not empty
    DeleteFileA(file.c_str());
    EXPECT_TRUE(fs.RemoveFolder(folder));
}

TEST(Win32FileSystem, LockIsExclusiveAndGoesWithItsHandle) {
    ClWinFileSystem fs(100);  // wait 100 ms for a holder
    const std::string path = fs.GetTempFolder() + "orbek-test.env.lock";
    {
        auto held = fs.LockFile(path);
        ASSERT_TRUE(held);
        EXPECT_FALSE(fs.LockFile(path));
    }
    EXPECT_FALSE(fs.IsFile(path));  // removed with its last handle
    EXPECT_TRUE(fs.LockFile(path));
}

TEST(Win32FileSystem, DrivesAndTheProgram) {
    ClWinFileSystem fs;
    EXPECT_EQ(fs.GetDriveType("C:\\"), drive::kFixed);
    EXPECT_EQ(fs.Style(), EnPathStyle::Windows);
    const std::string program = fs.GetProgramPath();
    ASSERT_GT(program.size(), 4u);
    EXPECT_EQ(program.substr(program.size() - 4), ".exe");
    const std::string current = fs.GetCurrentFolder();
    ASSERT_FALSE(current.empty());
    EXPECT_TRUE(fs.SetCurrentFolder(current));
    EXPECT_FALSE(fs.SetCurrentFolder(current + "\\no-such-folder"));
}

}  // namespace
