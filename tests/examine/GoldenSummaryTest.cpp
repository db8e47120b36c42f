// The summaries of the golden reports and the demo export, against golden
// texts (UTF-8) checked by hand. ORBEK_UPDATE_GOLDEN=1 rewrites them.
#include <cstdlib>
#include <fstream>

#include "ExamineFixture.h"

namespace {

struct StGOLDEN {
    const char* name;
    const char* file;  // below the source folder
    int status;        // the golden reports' figures are made up, so their sums fail
};
void PrintTo(const StGOLDEN& c, std::ostream* os) { *os << c.name; }  // ctest names the case

const StGOLDEN kGolden[] = {
    {"blue-general-business", "tests/report/golden/blue-general-business.xml", 1},
    {"blue-general-other", "tests/report/golden/blue-general-other.xml", 1},
    {"blue-real-estate", "tests/report/golden/blue-real-estate.xml", 1},
    {"white-general", "tests/report/golden/white-general.xml", 0},
    {"white-real-estate", "tests/report/golden/white-real-estate.xml", 0},
    {"demo", "tests/examine/data/blue-demo.xml", 0},
};

class GoldenSummary : public ::testing::TestWithParam<StGOLDEN> {};

TEST_P(GoldenSummary, MatchesTheGoldenText) {
    const StGOLDEN& g = GetParam();
    const StRUN run = RunInspect({ORBEK_SOURCE_DIR "/" + std::string(g.file)});
    EXPECT_EQ(run.status, g.status);
    const std::string golden = ORBEK_SOURCE_DIR "/tests/examine/golden/" + std::string(g.name) + ".txt";
    if (std::getenv("ORBEK_UPDATE_GOLDEN")) std::ofstream(golden, std::ios::binary) << Utf8(run.out);
    EXPECT_EQ(Utf8(run.out), ReadBytes(golden));
}

INSTANTIATE_TEST_SUITE_P(Exports, GoldenSummary, ::testing::ValuesIn(kGolden), [](const auto& param) {
    std::string name = param.param.name;
    for (char& c : name) c = c == '-' ? '_' : c;
    return name;
});

TEST(LongList, ShowsTheFirstRowsUnlessAllAreAsked) {
    // A real-estate export with 25 lettings: the rows of the golden report's one letting, repeated.
    std::string bytes = ReadBytes(ORBEK_SOURCE_DIR "/tests/report/golden/blue-real-estate.xml");
    const std::size_t begin = bytes.find("\t\t\t\t<FUDOUSAN_UTIWAKE COUNT=\"1\">");
    const std::size_t end = bytes.find("</FUDOUSAN_UTIWAKE>\r\n", begin) + 21;
    const std::string row = bytes.substr(begin, end - begin);
    std::string rows;
    for (int i = 1; i <= 25; ++i) rows += Replaced(row, "COUNT=\"1\"", "COUNT=\"" + std::to_string(i) + "\"");
    bytes.replace(begin, bytes.find("\t\t\t</FUDOUSANSYUUNYUU>") - begin, rows);
    const std::string path = WriteTemp("lettings.xml", bytes);

    const std::string shortView = RunInspect({path}).out;
    EXPECT_NE(shortView.find("不動産所得の収入の内訳（25件）"), std::string::npos);
    EXPECT_NE(shortView.find("… ほか 15 行（--all ですべて表示）"), std::string::npos);
    const std::string fullView = RunInspect({"--all", path}).out;
    EXPECT_EQ(fullView.find("… ほか"), std::string::npos);
    EXPECT_NE(fullView.find("\n  25  貸家"), std::string::npos) << Utf8(fullView);
}

}  // namespace
