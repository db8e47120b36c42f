// Differences between two exports of one company (the cases in
// data/diff.cases): changed figures, rows added and removed; another
// company's file is refused.
#include "ExamineFixture.h"
#include "support/CaseFile.h"

namespace {

TEST(Diff, ListsWhatDiffers) {
    const std::string demo = ReadFileBytes(kDemo);
    for (const StCASE& c : ReadCases("examine/data/diff.cases")) {
        const std::string name = c.where + " " + c["name"];
        const std::string changed = c.Has("find") ? Replaced(demo, c["find"], c["replacement"]) : demo;
        const std::string other = c.Has("other") ? kGoldenReports + c["other"] : WriteTemp("changed.xml", changed);
        const StRUN run = RunInspect({"--diff", kDemo, other});
        EXPECT_EQ(std::to_string(run.status), c["status"]) << name;
        EXPECT_NE((run.out + run.err).find(c["listed"]), std::string::npos) << name << "\n" << Utf8(run.out + run.err);
        EXPECT_EQ(run.out.find(" 件の違いがあります") != std::string::npos, c["status"] == "1") << name;
    }
}

// List rows are matched by content: a row removed or added is one difference.
TEST(Diff, RowsAlignedByContent) {
    const struct {
        int before, after, skipped;  // rows; the row left out of the second
        const char* listed;
    } cases[] = {
        {2, 3, 0, "+ 不動産所得の収入の内訳 3行目: （なし） → 貸家 / 住宅 / "},
        {400, 400, 123, "- 不動産所得の収入の内訳 123行目: 貸家 / 住宅 / "},
    };
    for (const auto& c : cases) {
        const std::string before = WriteTemp("before.xml", WithLettings("blue-real-estate.xml", c.before));
        const std::string after = WriteTemp("after.xml", WithLettings("blue-real-estate.xml", c.after, c.skipped));
        const StRUN run = RunInspect({"--diff", before, after});
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.out.find(c.listed), std::string::npos) << Utf8(run.out);
        EXPECT_NE(run.out.find("\n1 件の違いがあります"), std::string::npos) << Utf8(run.out);
    }
}

}  // namespace
