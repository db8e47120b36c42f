#include "DialogFixture.h"

namespace {
constexpr char kFile[] = "/data/varnoke/Orbek17Plus.env";
}

// A key matches at the start of a line only; the path is all after the third "/".
TEST_F(DialogTest, RecordsAreReadByFieldsAndOnlyAtTheStartOfALine) {
    // The file, then the result, the path and the kind read ("untouched" and 0: nothing read).
    const std::tuple<std::string, int, const char*, std::int16_t> cases[] = {
        {"user01/1/3:0/0/3/C:\\out\\a.xml\n", 1, "C:\\out\\a.xml", 3},  // written on Windows
        {"user01/1/3:0/0/3//out/a b/表.xml\n", 1, "/out/a b/表.xml", 3},
        {"xuser01/1/3:0/0/1//x.xml\n", 0, "untouched", 0},
        {"user09/1/1:0/0/2//home/user01/1/3:0/0/1/y.xml\n", 0, "untouched", 0},
        {"user01/1/3:0/0\n", 0, "untouched", 0},
        {"user02/1/3:0/0/2//b.xml\nuser01/1/3:0/0/3//last.xml", 1, "/last.xml", 3},  // no final LF
        {"user01/1/3:0/x/2//a.xml\n", 0, "untouched", 0},
        {"user01/1/3:0/0/99999//a.xml\n", 0, "untouched", 0},
        {std::string("user01/1/3:0/0/3//a.xml") + '\0' + ".txt\n", 0, "untouched", 0},  // a NUL would cut the path
    };
    for (const auto& [content, result, expectedPath, expectedKind] : cases) {
        fs.AddFile(kFile, content);
        std::int16_t kind = 0;
        std::string path = "untouched";
        EXPECT_EQ(Dialog().ReadRememberedPath(kind, path), result) << content;
        EXPECT_EQ(path, expectedPath) << content;
        EXPECT_EQ(kind, expectedKind) << content;
    }
}

TEST_F(DialogTest, RewriteReplacesOnlyThisRecordAndMovesItToTheEnd) {
    const std::string others = "xuser01/1/3:0/0/1//x.xml\nuser09/1/1:0/0/2//home/user01/1/3:0/0/1/y.xml\n";
    const std::pair<std::string, std::string> cases[] = {
        {"user01/1/3:0/0/1//a.xml\n" + others, others},
        // Stale records of this key left by overlapping runs: all of them go.
        {"user01/1/3:0/0/1//a.xml\nuser01/1/3:0/0/2//b.xml\n" + others + "user01/1/3:0/0/1//z.xml\n", others},
        // A malformed record of this key, another without its end of line.
        {"user01/1/3:0/0\nuser02/1/3:0/0/2//b.xml", "user02/1/3:0/0/2//b.xml\n"},
    };
    for (const auto& [before, kept] : cases) {
        fs.AddFile(kFile, before);
        fs.events.clear();
        EXPECT_EQ(Dialog().WriteRememberedPath(0, 0, 3, "/c.xml"), 1);
        EXPECT_EQ(fs.files[kFile], kept + "user01/1/3:0/0/3//c.xml\n");
        const std::string lock = std::string(kFile) + ".lock";
        EXPECT_EQ(fs.events, (std::vector<std::string>{"lock " + lock, "read " + std::string(kFile),
                                                       "replace " + std::string(kFile), "unlock " + lock}));
        std::int16_t kind = 0;
        std::string path;
        EXPECT_EQ(Dialog().ReadRememberedPath(kind, path), 1);
        EXPECT_EQ(path, "/c.xml");
    }
}

TEST_F(DialogTest, FailedRewriteLeavesTheFileAsItWas) {
    const std::string before = "user02/1/3:0/0/2//b.xml\n";
    const std::pair<void (*)(ClFakeFileSystem&), const char*> cases[] = {
        {[](ClFakeFileSystem& f) { f.failReplace = true; }, "/a.xml"},
        {[](ClFakeFileSystem& f) { f.unreadable.insert(kFile); }, "/a.xml"},  // not "no such file"
        {[](ClFakeFileSystem& f) { f.lockBusy = true; }, "/a.xml"},           // another run holds it
        {[](ClFakeFileSystem&) {}, "/a\nuser02/1/3:0/0/1//evil.xml"},
    };
    for (const auto& [fault, path] : cases) {
        fs = ClFakeFileSystem();
        fs.AddFile(kFile, before);
        fault(fs);
        EXPECT_EQ(Dialog().WriteRememberedPath(0, 0, 1, path), 0) << path;
        EXPECT_EQ(fs.files[kFile], before);
        EXPECT_TRUE(fs.locked.empty());
    }
}

TEST_F(DialogTest, NothingIsWrittenWithoutAFolder) {
    EngineFolders("", "");
    EXPECT_EQ(Dialog().WriteRememberedPath(0, 0, 1, "/a.xml"), 0);
    EngineFolders("");
    fs.failCreate.insert("/data/varnoke");
    EXPECT_EQ(Dialog().WriteRememberedPath(0, 0, 1, "/a.xml"), 0);
    EXPECT_EQ(fs.replaceCalls, 0);
    EXPECT_EQ(fs.folders, std::set<std::string>{"/"});  // "/data" removed again
}
