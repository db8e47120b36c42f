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
void PrintTo(const StDIFFCASE& c, std::ostream* os) { *os << c.name; }  // ctest names the case

const StDIFFCASE kCases[] = {
    {"same file", "", "", 0, "違いはありません"},
    {"changed amount", "<TUUSINHI>98765<", "<TUUSINHI>100000<", 1, "~ 損益計算書 通信費: 98,765 → 100,000"},
    {"changed list row", "<SIMEI>伊藤 大輔</SIMEI>", "<SIMEI>伊藤 大介</SIMEI>", 1, "~ 給料賃金の内訳 5行目 氏名: 伊藤 大輔 → 伊藤 大介"},
    {"emptied figure", "<GENKIN_KIMATU>2967520<", "<GENKIN_KIMATU><", 1, "~ 貸借対照表 現金: 2,967,520 → \n"},
    {"removed element", "\t\t\t\t<KANYUUDANTAIMEI>", "\t\t\t\t<X>", 1, "- 加入団体 加入団体名:"},
    {"other company", "<KOMONSAKINAME>", "<KOMONSAKINAME>別", 2, ""},
};

class Diff : public ::testing::TestWithParam<StDIFFCASE> {};

TEST_P(Diff, ListsWhatDiffers) {
    const StDIFFCASE& c = GetParam();
    const std::string demo = ReadBytes(kDemo);
    const std::string changed = *c.find ? Replaced(demo, c.find, c.replacement) : demo;
    const StRUN run = RunInspect({"--diff", kDemo, WriteTemp("changed.xml", changed)});
    EXPECT_EQ(run.status, c.status);
    EXPECT_NE(run.out.find(c.listed), std::string::npos) << Utf8(run.out + run.err);
    if (c.status == 1) {
        EXPECT_NE(run.out.find(" 件の違いがあります"), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(Changes, Diff, ::testing::ValuesIn(kCases), [](const auto& param) {
    std::string name = param.param.name;
    for (char& c : name) c = c == ' ' ? '_' : c;
    return name;
});

TEST(DiffLettings, RowsAddedAtTheEnd) {
    const std::string before = ORBEK_SOURCE_DIR "/tests/report/golden/blue-real-estate.xml";
    std::string bytes = ReadBytes(before);
    const std::size_t begin = bytes.find("\t\t\t\t<FUDOUSAN_UTIWAKE COUNT=\"2\">");
    const std::size_t end = bytes.find("</FUDOUSAN_UTIWAKE>\r\n", begin) + 21;
    bytes.insert(end, Replaced(bytes.substr(begin, end - begin), "COUNT=\"2\"", "COUNT=\"3\""));
    const StRUN run = RunInspect({"--diff", before, WriteTemp("more-lettings.xml", bytes)});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("+ 不動産所得の収入の内訳 3行目 貸家・貸地: （なし） → "), std::string::npos) << Utf8(run.out);
    EXPECT_NE(run.out.find("16 件の違いがあります"), std::string::npos) << Utf8(run.out);
}

}  // namespace
