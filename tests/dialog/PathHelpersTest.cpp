#include "dialog/PathHelpers.h"

#include <gtest/gtest.h>

#include "doubles/FakeFileSystem.h"

// "表" and "ソ" are 0x95 0x5C and 0x83 0x5C: a second byte that looks like "\".
// "ポ" is 0x83 0x7C: a second byte that looks like "|".

TEST(PathHelpers, PathCharacters) {
    const EnPathStyle win = EnPathStyle::Windows, posix = EnPathStyle::Posix;
    const std::pair<EnPathStyle, const char*> valid[] = {
        {win, "C:\\表\\ソ.xml"}, {win, "C:\\ポ.xml"},       {win, "\\\\server\\share\\out.xml"},
        {win, "C:out.xml"},      {posix, "/tmp/表/ソ.xml"}, {posix, "/tmp/ポ.xml"}};
    for (const auto& [style, path] : valid) EXPECT_EQ(HasValidPathChars(style, path), 1) << path;
    using namespace std::string_view_literals;  // the NUL rows
    const std::pair<EnPathStyle, std::string_view> invalid[] = {
        {win, "C:\\a,b.xml"},    {win, "C:\\a;b.xml"},   {win, "C:\\a:b.xml"},      {win, "C:\\\\a.xml"},
        {win, "C:\\a/b.xml"},    {win, "C:\\a*.xml"},    {win, "C:\\a?.xml"},       {win, "C:\\a\".xml"},
        {win, "C:\\a<b"},        {win, "C:\\a>b"},       {win, "C:\\a|b"},          {win, "\\\\server\\\\share\\a"},
        {posix, "/a//b.xml"},    {posix, "/a:b.xml"},    {posix, "/a;b.xml"},       {posix, "/a*.xml"},
        {posix, "/a?.xml"},      {posix, "/a\".xml"},    {posix, "/a>b"},           {posix, "/a<b"},
        {posix, "/a|b"},         {posix, "/a\x1B[31mb"}, {posix, "/a\001b"},        {posix, "/a\x7F"},
        {win, "C:\\a\tb"},       {win, "C:\\a\x1F"},     {posix, "/a.xml\0.txt"sv}, {win, "C:\\n.xml\0\\x.xml"sv},
        {posix, "/\x88\x6D.xml"}};  // a pair code page 932 does not assign
    for (const auto& [style, path] : invalid) EXPECT_EQ(HasValidPathChars(style, path), 0) << path;
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
