// Differences between two exports of one company: changed figures, rows
// added and removed; another company's file is refused.
#include "ExamineFixture.h"

namespace {

struct StDIFFCASE {
    const char* name;
    const char* find;
    const char* replacement;
    int status;
    const char* listed;           // a line of the listing
    const char* other = nullptr;  // a golden report compared instead of the changed demo
};

const StDIFFCASE kCases[] = {
    {"same file", "", "", 0, "違いはありません"},
    {"changed amount", "<TUUSINHI>98765<", "<TUUSINHI>100000<", 1, "~ 損益計算書 通信費: 98,765 → 100,000"},
    {"changed list row", "<SIMEI>伊藤 大輔</SIMEI>", "<SIMEI>伊藤 大介</SIMEI>", 1,
     "~ 給料賃金の内訳 5行目 氏名: 伊藤 大輔 → 伊藤 大介"},
    {"emptied figure", "<GENKIN_KIMATU>2967520<", "<GENKIN_KIMATU><", 1, "~ 貸借対照表 現金: 2,967,520 → \n"},
    {"corrected company name", "<KOMONSAKINAME>", "<KOMONSAKINAME>別", 1, "~ 基本情報 会社名: "},
    {"swapped list rows", "<SIMEI>伊藤 大輔</SIMEI>", "<SIMEI>佐藤 健一</SIMEI>", 1, "佐藤 健一"},
    {"other income kind", "", "", 2, "所得の種類が違います", "blue-general-other.xml"},
    {"other fiscal year", "<JIGYOUNENDOFROM>2025", "<JIGYOUNENDOFROM>2024", 2, "事業年度が違います"},
    {"structure broken", "\t\t\t\t<KANYUUDANTAIMEI>", "\t\t\t\t<X>", 2, "構造の検査に不合格のため比べられません"},
    {"cut short", "</REPORT>", "", 2, "XMLとして読めません"},
};

TEST(Diff, ListsWhatDiffers) {
    const std::string demo = ReadFileBytes(kDemo);
    for (const StDIFFCASE& c : kCases) {
        const std::string changed = *c.find ? Replaced(demo, c.find, c.replacement) : demo;
        const std::string other = c.other ? kGoldenReports + c.other : WriteTemp("changed.xml", changed);
        const StRUN run = RunInspect({"--diff", kDemo, other});
        EXPECT_EQ(run.status, c.status) << c.name;
        EXPECT_NE((run.out + run.err).find(c.listed), std::string::npos) << c.name << "\n" << Utf8(run.out + run.err);
        EXPECT_EQ(run.out.find(" 件の違いがあります") != std::string::npos, c.status == 1) << c.name;
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
