// Differences between two exports of one company: changed figures, rows
// added and removed; another company's file is refused.
#include "ExamineFixture.h"

namespace {

struct StDIFFCASE {
    const char* name;
    const char* find;
    const char* replacement;
    int status;
    const char* listed;  // a line of the listing
};

const StDIFFCASE kCases[] = {
    {"same file", "", "", 0, "違いはありません"},
    {"changed amount", "<TUUSINHI>98765<", "<TUUSINHI>100000<", 1, "~ 損益計算書 通信費: 98,765 → 100,000"},
    {"changed list row", "<SIMEI>伊藤 大輔</SIMEI>", "<SIMEI>伊藤 大介</SIMEI>", 1, "~ 給料賃金の内訳 5行目 氏名: 伊藤 大輔 → 伊藤 大介"},
    {"emptied figure", "<GENKIN_KIMATU>2967520<", "<GENKIN_KIMATU><", 1, "~ 貸借対照表 現金: 2,967,520 → \n"},
    {"removed element", "\t\t\t\t<KANYUUDANTAIMEI>", "\t\t\t\t<X>", 1, "- 加入団体 加入団体名:"},
    {"other company", "<KOMONSAKINAME>", "<KOMONSAKINAME>別", 2, ""},
};

TEST(Diff, ListsWhatDiffers) {
    const std::string demo = ReadBytes(kDemo);
    for (const StDIFFCASE& c : kCases) {
        const std::string changed = *c.find ? Replaced(demo, c.find, c.replacement) : demo;
        const StRUN run = RunInspect({"--diff", kDemo, WriteTemp("changed.xml", changed)});
        EXPECT_EQ(run.status, c.status) << c.name;
        EXPECT_NE(run.out.find(c.listed), std::string::npos) << c.name << "\n" << Utf8(run.out + run.err);
        EXPECT_EQ(run.out.find(" 件の違いがあります") != std::string::npos, c.status == 1) << c.name;
    }
}

TEST(Diff, RowsAddedAtTheEnd) {
    const std::string before = WriteTemp("lettings-2.xml", WithLettings("blue-real-estate.xml", 2));
    const std::string after = WriteTemp("lettings-3.xml", WithLettings("blue-real-estate.xml", 3));
    const StRUN run = RunInspect({"--diff", before, after});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("+ 不動産所得の収入の内訳 3行目 貸家・貸地: （なし） → 貸家\n"), std::string::npos)
        << Utf8(run.out);
    EXPECT_NE(run.out.find("16 件の違いがあります"), std::string::npos) << Utf8(run.out);
}

}  // namespace
