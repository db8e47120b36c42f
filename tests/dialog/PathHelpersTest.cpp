#include "dialog/PathHelpers.h"

#include <gtest/gtest.h>

#include "doubles/FakeFileSystem.h"

// "表" and "ソ" are 0x95 0x5C and 0x83 0x5C: a second byte that looks like "\".
// "ポ" is 0x83 0x7C: a second byte that looks like "|".

TEST(PathHelpers, DbcsPositionCoversBothBytesOfACharacter) {
    const std::string text = "a表b";
    EXPECT_EQ(IsDbcsPosition(text, 0), 0);
    EXPECT_EQ(IsDbcsPosition(text, 1), 1);
    EXPECT_EQ(IsDbcsPosition(text, 2), 1);
    EXPECT_EQ(IsDbcsPosition(text, 3), 0);
    EXPECT_TRUE(EndsWithDbcs("C:\\表"));
    EXPECT_FALSE(EndsWithDbcs("C:\\a\\"));
}

TEST(PathHelpers, WindowsPathCharacters) {
    for (const char* ok : {"C:\\data\\out.xml", "C:\\表\\ソ.xml", "C:\\ポ.xml",
                           "\\\\server\\share\\out.xml", "C:out.xml"}) {
        EXPECT_EQ(HasValidPathChars(PathStyle::Windows, ok), 1) << ok;
    }
    for (const char* bad : {"C:\\data\\a,b.xml", "C:\\a;b.xml", "C:\\a:b.xml", "C:\\\\a.xml",
                            "C:\\a/b.xml", "C:\\a*.xml", "C:\\a?.xml", "C:\\a\".xml", "C:\\a<b",
                            "C:\\a>b", "C:\\a|b", "\\\\server\\\\share\\out.xml"}) {
        EXPECT_EQ(HasValidPathChars(PathStyle::Windows, bad), 0) << bad;
    }
}

TEST(PathHelpers, PosixPathCharacters) {
    for (const char* ok : {"/home/u/out.xml", "/tmp/表/ソ.xml", "/tmp/ポ.xml", "relative.xml"}) {
        EXPECT_EQ(HasValidPathChars(PathStyle::Posix, ok), 1) << ok;
    }
    for (const char* bad : {"//x.xml", "/a//b.xml", "/a\\b.xml", "/a:b.xml", "/a,b.xml",
                            "/a;b.xml", "/a*.xml", "/a?.xml", "/a\".xml", "/a>b", "/a<b",
                            "/a|b"}) {
        EXPECT_EQ(HasValidPathChars(PathStyle::Posix, bad), 0) << bad;
    }
}

TEST(PathHelpers, TrailingSeparatorRespectsDoubleByteEndsAndCapacity) {
    std::string folder = "C:\\表";
    EXPECT_EQ(AddTrailingBackslash(PathStyle::Windows, folder, 261), 1);
    EXPECT_EQ(folder, "C:\\表\\");
    EXPECT_EQ(AddTrailingBackslash(PathStyle::Windows, folder, 261), 1);
    EXPECT_EQ(folder, "C:\\表\\");

    std::string full(259, 'a');
    EXPECT_EQ(AddTrailingBackslash(PathStyle::Posix, full, 261), 1);
    EXPECT_EQ(full.size(), 260u);
    std::string tooLong(260, 'a');
    EXPECT_EQ(AddTrailingBackslash(PathStyle::Posix, tooLong, 261), 0);
    EXPECT_EQ(tooLong.size(), 260u);
    std::string empty;
    EXPECT_EQ(AddTrailingBackslash(PathStyle::Posix, empty, 261), 0);
}

TEST(PathHelpers, FolderPartOfWindowsAndPosixPaths) {
    auto folderOf = [](PathStyle style, std::string path) {
        return GetFolderPart(style, path) ? path : std::string("(failed)");
    };
    EXPECT_EQ(folderOf(PathStyle::Windows, "C:\\data\\out.xml"), "C:\\data\\");
    EXPECT_EQ(folderOf(PathStyle::Windows, "C:out.xml"), "C:\\");
    EXPECT_EQ(folderOf(PathStyle::Windows, "C:\\表\\x.xml"), "C:\\表\\");
    EXPECT_EQ(folderOf(PathStyle::Windows, "C:\\data\\表"), "C:\\data\\");
    EXPECT_EQ(folderOf(PathStyle::Windows, "out.xml"), "(failed)");
    EXPECT_EQ(folderOf(PathStyle::Posix, "/a/b.xml"), "/a/");
    EXPECT_EQ(folderOf(PathStyle::Posix, "b.xml"), "(failed)");

    EXPECT_EQ(FileNameText(PathStyle::Windows, "C:\\data\\表"), "表");
    EXPECT_EQ(FolderText(PathStyle::Windows, "C:\\data\\表"), "C:\\data\\");
    EXPECT_EQ(FileNameText(PathStyle::Posix, "/a/"), "");
}

TEST(PathHelpers, RootPart) {
    std::string root;
    EXPECT_NE(GetRootPart(PathStyle::Windows, "C:\\a\\b", root, 261), 0);
    EXPECT_EQ(root, "C:\\");
    EXPECT_NE(GetRootPart(PathStyle::Windows, "\\\\srv\\share\\x", root, 261), 0);
    EXPECT_EQ(root, "\\\\srv\\share");
    EXPECT_NE(GetRootPart(PathStyle::Posix, "/a/b", root, 261), 0);
    EXPECT_EQ(root, "/");
    EXPECT_EQ(GetRootPart(PathStyle::Posix, "a/b", root, 261), 0);
    EXPECT_EQ(GetRootPart(PathStyle::Posix, "/" + std::string(260, 'a'), root, 261), 0);
}

TEST(PathHelpers, FolderChainCreatesWhatIsMissing) {
    FakeFileSystem fs(PathStyle::Windows);
    fs.AddFolder("C:\\a");
    EXPECT_EQ(CreateFolderChain(fs, "C:\\a\\b\\表\\"), 1);
    EXPECT_EQ(fs.created, (std::vector<std::string>{"C:\\a\\b", "C:\\a\\b\\表"}));

    FakeFileSystem posix;
    posix.AddFolder("/home/u");
    EXPECT_EQ(CreateFolderChain(posix, "/home/u/x/y/out.xml"), 1);
    EXPECT_EQ(posix.created, (std::vector<std::string>{"/home/u/x", "/home/u/x/y"}));
    EXPECT_EQ(CreateFolderChain(posix, "x/y/"), 0);  // relative
}

TEST(PathHelpers, FailedChainRemovesOnlyWhatItCreated) {
    FakeFileSystem fs(PathStyle::Windows);
    fs.AddFolder("C:\\a");
    fs.failCreate.insert("C:\\a\\b\\c");
    EXPECT_EQ(CreateFolderChain(fs, "C:\\a\\b\\c\\"), 0);
    EXPECT_EQ(fs.removed, std::vector<std::string>{"C:\\a\\b"});
    EXPECT_TRUE(fs.IsFolder("C:\\a"));

    FakeFileSystem posix;
    posix.AddFolder("/srv");
    posix.failCreate.insert("/srv/x/y/z");
    EXPECT_EQ(CreateFolderChain(posix, "/srv/x/y/z/w/"), 0);
    EXPECT_EQ(posix.removed, (std::vector<std::string>{"/srv/x/y", "/srv/x"}));
    EXPECT_EQ(posix.folders, (std::set<std::string>{"/", "/srv"}));
}

TEST(PathHelpers, RemovalStaysBelowTheFolderThatExisted) {
    FakeFileSystem fs(PathStyle::Windows);
    fs.AddFolder("C:\\a\\b\\c");
    EXPECT_EQ(RemoveCreatedFolders(fs, "D:\\a\\b\\c\\", "C:\\a\\"), 0);  // other root
    EXPECT_EQ(RemoveCreatedFolders(fs, "C:\\x\\b\\c\\", "C:\\a\\"), 0);  // not below it
    EXPECT_TRUE(fs.removed.empty());
    EXPECT_EQ(RemoveCreatedFolders(fs, "C:\\a\\b\\c\\", "c:\\A\\"), 1);  // case of letters
    EXPECT_EQ(fs.removed, (std::vector<std::string>{"C:\\a\\b\\c", "C:\\a\\b"}));

    FakeFileSystem posix;
    posix.AddFolder("/A/b");
    EXPECT_EQ(RemoveCreatedFolders(posix, "/A/b/", "/a/"), 0);  // POSIX names keep their case
    posix.failRemove.insert("/A/b");
    EXPECT_EQ(RemoveCreatedFolders(posix, "/A/b/", "/"), 0);
    EXPECT_TRUE(posix.IsFolder("/A"));
}
