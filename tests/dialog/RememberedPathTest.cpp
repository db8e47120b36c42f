#include "DialogFixture.h"

namespace {
constexpr char kFile[] = "/data/varnoke/Orbek17Plus.env";
}

// A key matches at the start of a line only; the path is all after the third "/".
TEST_F(DialogTest, RecordsAreReadByFieldsAndOnlyAtTheStartOfALine) {
    const std::pair<std::string, const char*> cases[] = {
        {"user01/1/3:0/0/3/C:\\out\\a.xml\n", "C:\\out\\a.xml"},  // written on Windows
        {"user01/1/3:0/0/3//out/a b/表.xml\n", "/out/a b/表.xml"},
        {"xuser01/1/3:0/0/1//x.xml\n", nullptr},
        {"user09/1/1:0/0/2//home/user01/1/3:0/0/1/y.xml\n", nullptr},
        {"user01/1/3:0/0\n", nullptr},
        {"user01/1/3:0/0/2//cut.xml", nullptr},
        {"user01/1/3:0/x/2//a.xml\n", nullptr},
        {"user01/1/3:0/0/99999//a.xml\n", nullptr},
    };
    for (const auto& [content, expected] : cases) {
        fs.AddFile(kFile, content);
        std::int16_t kind = 0;
        std::string path = "untouched";
        EXPECT_EQ(Dialog().ReadRememberedPath(kind, path), expected ? 1 : 0) << content;
        EXPECT_EQ(path, expected ? expected : "untouched") << content;
        EXPECT_EQ(kind, expected ? 3 : 0) << content;
    }
}

TEST_F(DialogTest, RewriteReplacesOnlyThisRecordAndMovesItToTheEnd) {
    const std::string others =
        "xuser01/1/3:0/0/1//x.xml\nuser09/1/1:0/0/2//home/user01/1/3:0/0/1/y.xml\n";
    const std::pair<std::string, std::string> cases[] = {
        {"user01/1/3:0/0/1//a.xml\n" + others, others},
        // A malformed record of this key, another without its end of line.
        {"user01/1/3:0/0\nuser02/1/3:0/0/2//b.xml", "user02/1/3:0/0/2//b.xml\n"},
    };
    for (const auto& [before, kept] : cases) {
        fs.AddFile(kFile, before);
        EXPECT_EQ(Dialog().WriteRememberedPath(0, 0, 3, "/c.xml"), 1);
        EXPECT_EQ(fs.files[kFile], kept + "user01/1/3:0/0/3//c.xml\n");
    }
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
