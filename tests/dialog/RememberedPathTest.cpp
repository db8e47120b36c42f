#include "DialogFixture.h"

namespace {
constexpr char kFile[] = "/data/varnoke/Orbek17Plus.env";
}

TEST_F(DialogTest, FirstWriteCreatesTheFolderAndOneRecord) {
    std::int16_t kind = 0;
    std::string path;
    EXPECT_EQ(Dialog().ReadRememberedPath(kind, path), 0);
    EXPECT_EQ(Dialog().WriteRememberedPath(0, 0, 2, "/out/a b/表.xml"), 1);
    EXPECT_EQ(fs.created, (std::vector<std::string>{"/data", "/data/varnoke"}));
    EXPECT_EQ(fs.files[kFile], "user01/1/3:0/0/2//out/a b/表.xml\n");
    EXPECT_EQ(Dialog().ReadRememberedPath(kind, path), 1);
    EXPECT_EQ(kind, 2);
    EXPECT_EQ(path, "/out/a b/表.xml");
}

TEST_F(DialogTest, WindowsRecordsReadAsBefore) {
    fs.AddFile(kFile, "user01/1/3:0/0/3/C:\\out\\a.xml\n");
    std::int16_t kind = 0;
    std::string path;
    EXPECT_EQ(Dialog().ReadRememberedPath(kind, path), 1);
    EXPECT_EQ(kind, 3);
    EXPECT_EQ(path, "C:\\out\\a.xml");
}

TEST_F(DialogTest, EachUsersRecordIsReplacedAndMovedToTheEnd) {
    fs.AddFile(kFile, "user01/1/3:0/0/1//a.xml\nuser02/1/3:0/0/2//b.xml\n");
    EXPECT_EQ(Dialog().WriteRememberedPath(0, 0, 3, "/c.xml"), 1);
    EXPECT_EQ(fs.files[kFile], "user02/1/3:0/0/2//b.xml\nuser01/1/3:0/0/3//c.xml\n");
}

TEST_F(DialogTest, KeyInsideAnotherRecordIsNoMatch) {
    const std::string others =
        "xuser01/1/3:0/0/1//x.xml\n"
        "user09/1/1:0/0/2//home/user01/1/3:0/0/1/y.xml\n";
    fs.AddFile(kFile, others);
    std::int16_t kind = 0;
    std::string path;
    EXPECT_EQ(Dialog().ReadRememberedPath(kind, path), 0);
    EXPECT_EQ(Dialog().WriteRememberedPath(0, 0, 2, "/mine.xml"), 1);
    EXPECT_EQ(fs.files[kFile], others + "user01/1/3:0/0/2//mine.xml\n");
}

TEST_F(DialogTest, MalformedRecordsReadAsNone) {
    for (const char* content : {"user01/1/3:0/0\n", "user01/1/3:0/0/2//cut.xml",
                                "user01/1/3:0/x/2//a.xml\n", "user01/1/3:0/0/99999//a.xml\n"}) {
        fs.AddFile(kFile, content);
        std::int16_t kind = 0;
        std::string path = "untouched";
        EXPECT_EQ(Dialog().ReadRememberedPath(kind, path), 0) << content;
        EXPECT_EQ(path, "untouched");
    }
}

TEST_F(DialogTest, RewriteKeepsOtherRecordsWhole) {
    fs.AddFile(kFile, "user01/1/3:0/0\nuser02/1/3:0/0/2//b.xml");
    EXPECT_EQ(Dialog().WriteRememberedPath(0, 0, 1, "/a.xml"), 1);
    EXPECT_EQ(fs.files[kFile], "user02/1/3:0/0/2//b.xml\nuser01/1/3:0/0/1//a.xml\n");
}

TEST_F(DialogTest, FailedRewriteLeavesTheFileAsItWas) {
    const std::string before = "user02/1/3:0/0/2//b.xml\n";
    fs.AddFile(kFile, before);
    fs.failReplace = true;
    EXPECT_EQ(Dialog().WriteRememberedPath(0, 0, 1, "/a.xml"), 0);
    fs.failReplace = false;
    fs.unreadable.insert(kFile);
    EXPECT_EQ(Dialog().WriteRememberedPath(0, 0, 1, "/a.xml"), 0);
    EXPECT_EQ(Dialog().WriteRememberedPath(0, 0, 1, "/a\nuser02/1/3:0/0/1//evil.xml"), 0);
    EXPECT_EQ(fs.files[kFile], before);
}

TEST_F(DialogTest, NothingIsWrittenWithoutAFolder) {
    engine.folder1.clear();
    EXPECT_EQ(Dialog().WriteRememberedPath(0, 0, 1, "/a.xml"), 0);
    engine.folder1 = "/data/varnoke/";
    fs.failCreate.insert("/data/varnoke");
    EXPECT_EQ(Dialog().WriteRememberedPath(0, 0, 1, "/a.xml"), 0);
    EXPECT_EQ(fs.replaceCalls, 0);
    EXPECT_EQ(fs.folders, std::set<std::string>{"/"});  // "/data" removed again
}

TEST_F(DialogTest, WithoutAPathTheRememberedOneIsKept) {
    fs.AddFile(kFile, "user01/1/3:0/0/1//kept.xml\n");
    Dialog().OnInitDialog();
    EXPECT_EQ(Dialog().WriteRememberedPath(0, 0, 2, nullptr), 1);
    EXPECT_EQ(fs.files[kFile], "user01/1/3:0/0/2//kept.xml\n");
}
