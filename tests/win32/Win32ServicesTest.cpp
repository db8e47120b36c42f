// The path helpers, the profile reader and the file system of the Windows
// build against the real Windows calls.
#include <gtest/gtest.h>

#include <cstdlib>

#include "common/FileCases.h"
#include "common/ProfileReaderCases.h"
#include "dialog/PathHelpers.h"
#include "platform/win32/WinFileSystem.h"
#include "platform/win32/WinProfileReader.h"

#include <shlwapi.h>
#include "platform/win32/WinApi.h"

namespace {

// Windows paths, some with 0x5C as the second byte of a character (表 ソ).
const char* const kPaths[] = {"C:\\data\\out.xml",
                              "c:\\a\\b\\",
                              "C:\\",
                              "C:\\\x95\x5C\\\x83\x5C.xml",
                              "C:\\\x95\x5C\\",
                              "\\\\server\\share\\dir\\f.xml",
                              "D:\\x\\y\\z\\f"};

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
    fs.RemoveFolder(temp + "\x95\x5C");  // left by an earlier run
    ExpectDoubleByteFolderCycle(fs, temp, [](const std::string& file) { DeleteFileA(file.c_str()); });
}

// New files are tried for real, and the try leaves nothing behind.
TEST(Win32FileSystem, FoldersThatTakeNewFiles) {
    ClWinFileSystem fs;
    const std::string folder = fs.GetTempFolder() + "orbek-takes\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    ASSERT_TRUE(SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_READONLY));  // no bar to new files
    EXPECT_TRUE(fs.TakesNewFiles(folder));
    EXPECT_TRUE(fs.TakesNewFiles(folder.substr(0, folder.size() - 1)));
    SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(fs.RemoveFolder(folder));  // so it was left empty
    EXPECT_FALSE(fs.TakesNewFiles(folder));
    EXPECT_FALSE(fs.TakesNewFiles("Z:\\proc\\"));  // under Wine: /proc, closed even to root
}

TEST(Win32FileSystem, LockIsExclusiveAndGoesWithItsHandle) {
    ClWinFileSystem fs(100);  // wait 100 ms for a holder
    const std::string path = fs.GetTempFolder() + "orbek-test.env.lock";
    ExpectLockIsExclusive(fs, path);
    EXPECT_FALSE(fs.IsFile(path));  // removed with its last handle
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
