#include "dialog/PathHelpers.h"

#include <gtest/gtest.h>

#include "doubles/FakeFileSystem.h"
#include "support/CaseFile.h"

// "表" and "ソ" are 0x95 0x5C and 0x83 0x5C: a second byte that looks like "\".

TEST(PathHelpers, PathCharacters) {
    for (const StCASE& c : ReadCases("dialog/data/path-characters.cases")) {
        const EnPathStyle style = c["style"] == "windows" ? EnPathStyle::Windows : EnPathStyle::Posix;
        EXPECT_EQ(HasValidPathChars(style, c["path"]), c["valid"] == "yes" ? 1 : 0) << c.where;
    }
}

TEST(PathHelpers, TrailingSeparatorRespectsDoubleByteEndsAndCapacity) {
    std::string folder = "C:\\表";
    EXPECT_EQ(AddTrailingBackslash(EnPathStyle::Windows, folder, 261), 1);
    EXPECT_EQ(AddTrailingBackslash(EnPathStyle::Windows, folder, 261), 1);
    EXPECT_EQ(folder, "C:\\表\\");
    std::string full(259, 'a'), tooLong(260, 'a'), empty;
    EXPECT_EQ(AddTrailingBackslash(EnPathStyle::Posix, full, 261), 1);
    EXPECT_EQ(AddTrailingBackslash(EnPathStyle::Posix, tooLong, 261), 0);
    EXPECT_EQ(AddTrailingBackslash(EnPathStyle::Posix, empty, 261), 0);
    EXPECT_EQ(full.size(), 260u);
    EXPECT_EQ(tooLong.size(), 260u);
}

TEST(PathHelpers, FolderAndFileNameParts) {
    auto folderOf = [](EnPathStyle style, std::string path) {
        return GetFolderPart(style, path) ? path : std::string("(failed)");
    };
    EXPECT_EQ(folderOf(EnPathStyle::Windows, "C:out.xml"), "C:\\");
    EXPECT_EQ(folderOf(EnPathStyle::Windows, "C:\\表\\x.xml"), "C:\\表\\");
    EXPECT_EQ(folderOf(EnPathStyle::Windows, "C:\\data\\表"), "C:\\data\\");
    EXPECT_EQ(folderOf(EnPathStyle::Windows, "out.xml"), "(failed)");
    EXPECT_EQ(folderOf(EnPathStyle::Posix, "/a/b.xml"), "/a/");
    EXPECT_EQ(FileNameText(EnPathStyle::Windows, "C:\\data\\表"), "表");
    EXPECT_EQ(FolderText(EnPathStyle::Windows, "C:\\data\\表"), "C:\\data\\");  // 表 ends in 0x5C
}

TEST(PathHelpers, FolderChainCreatesWhatIsMissingAndRemovesItAfterAFailure) {
    ClFakeFileSystem fs(EnPathStyle::Windows);
    fs.AddFolder("C:\\a");
    EXPECT_EQ(CreateFolderChain(fs, "C:\\a\\b\\表\\"), 1);
    EXPECT_EQ(fs.created, (std::vector<std::string>{"C:\\a\\b", "C:\\a\\b\\表"}));
    fs.failCreate.insert("C:\\a\\x\\y\\z");
    EXPECT_EQ(CreateFolderChain(fs, "C:\\a\\x\\y\\z\\"), 0);
    EXPECT_EQ(fs.removed, (std::vector<std::string>{"C:\\a\\x\\y", "C:\\a\\x"}));
    EXPECT_TRUE(fs.IsFolder("C:\\a\\b\\表"));
    EXPECT_EQ(CreateFolderChain(fs, "x\\y\\"), 0);  // relative
}

TEST(PathHelpers, RemovalStaysBelowTheFolderThatExisted) {
    ClFakeFileSystem fs(EnPathStyle::Windows);
    fs.AddFolder("C:\\a\\b\\c");
    EXPECT_EQ(RemoveCreatedFolders(fs, "D:\\a\\b\\c\\", "C:\\a\\"), 0);  // other root
    EXPECT_EQ(RemoveCreatedFolders(fs, "C:\\x\\b\\c\\", "C:\\a\\"), 0);  // not below it
    EXPECT_TRUE(fs.removed.empty());
    EXPECT_EQ(RemoveCreatedFolders(fs, "C:\\a\\b\\c\\", "c:\\A\\"), 1);  // case of letters
    EXPECT_EQ(fs.removed, (std::vector<std::string>{"C:\\a\\b\\c", "C:\\a\\b"}));

    ClFakeFileSystem posix;
    posix.AddFolder("/A/b");
    EXPECT_EQ(RemoveCreatedFolders(posix, "/A/b/", "/a/"), 0);  // POSIX names keep their case
    posix.failRemove.insert("/A/b");
    EXPECT_EQ(RemoveCreatedFolders(posix, "/A/b/", "/"), 0);
    EXPECT_TRUE(posix.IsFolder("/A"));
}
