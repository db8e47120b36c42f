// The pieces of the summary's text: yen with grouping, widths of Shift_JIS
// text, and a label for every element the exporter writes.
#include <regex>

#include "ExamineFixture.h"
#include "examine/Labels.h"
#include "examine/View.h"

namespace {

TEST(GroupedYen, GroupsDigitsAndMarksNegatives) {
    const std::pair<const char*, const char*> cases[] = {
        {"", ""}, {"0", "0"}, {"999", "999"}, {"1000", "1,000"}, {"-1", "△1"},
        {"-1234567", "△1,234,567"}, {"123456789012", "123,456,789,012"}, {"12.5", "12.5"},
    };
    for (const auto& [text, shown] : cases) EXPECT_EQ(GroupedYen(text), shown) << text;
}

TEST(DisplayWidth, CountsDoubleByteCharactersTwice) {
    const std::pair<const char*, std::size_t> cases[] = {
        {"", 0}, {"ABC", 3}, {"ｱｲｳ", 3}, {"山田", 4}, {"Ａ1ｶ㈱", 6}, {"\x81", 1},
    };
    for (const auto& [text, width] : cases) EXPECT_EQ(DisplayWidth(text), width) << Utf8(text);
}

TEST(Labels, EveryElementOfTheGoldenReportsHasOne) {
    const std::regex element("<([A-Z][A-Z0-9_]*)[ >]");
    for (const char* name : {"blue-general-business", "blue-real-estate", "white-general", "white-real-estate"}) {
        const std::string bytes = ReadBytes(ORBEK_SOURCE_DIR "/tests/report/golden/" + std::string(name) + ".xml");
        for (std::sregex_iterator it(bytes.begin(), bytes.end(), element), end; it != end; ++it) {
            EXPECT_TRUE(LabelOf((*it)[1].str()).known) << (*it)[1].str();
        }
    }
}

TEST(Labels, NumberedAndBalanceSheetElementsUseTheirStem) {
    EXPECT_EQ(LabelOf("KEIHI_YOBI3").label, "経費（予備）3");
    EXPECT_EQ(LabelOf("GENKIN_KISYU").label, "現金");
    EXPECT_EQ(LabelOf("SISAN_YOBI2_KAMOKU").label, "資産（予備）2の科目名");
    EXPECT_EQ(LabelOf("URIAGEKINGAKU12").kind, ValueKind::kAmount);
    EXPECT_FALSE(LabelOf("NO_SUCH_ELEMENT").known);
    EXPECT_EQ(SectionTitle("KYUURYOUTINGIN"), "給料賃金の内訳");
}

}  // namespace
