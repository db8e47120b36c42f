// The summaries of the golden reports and the demo export, against golden
// texts (UTF-8) checked by hand. ORBEK_UPDATE_GOLDEN=1 rewrites them.
#include <cstdlib>
#include <fstream>

#include "ExamineFixture.h"

namespace {

TEST(GoldenSummary, MatchesTheGoldenText) {
    // The golden reports' figures are made up, so the blue ones' sums fail (status 1).
    const std::pair<std::string, int> exports[] = {
        {"blue-general-business", 1}, {"blue-general-other", 1}, {"blue-real-estate", 1},
        {"white-general", 0},         {"white-real-estate", 0},  {"demo", 0},
    };
    for (const auto& [name, status] : exports) {
        const StRUN run = RunInspect({name == "demo" ? kDemo : kGoldenReports + name + ".xml"});
        EXPECT_EQ(run.status, status) << name;
        const std::string golden = ORBEK_SOURCE_DIR "/tests/examine/golden/" + name + ".txt";
        if (std::getenv("ORBEK_UPDATE_GOLDEN")) std::ofstream(golden, std::ios::binary) << Utf8(run.out);
        EXPECT_EQ(Utf8(run.out), ReadFileBytes(golden)) << name;
    }
}

TEST(GoldenSummary, LongListShowsTheFirstRowsUnlessAllAreAsked) {
    const std::string path = WriteTemp("lettings.xml", WithLettings("blue-real-estate.xml", 25));
    const std::string shortView = RunInspect({path}).out;
    EXPECT_NE(shortView.find("不動産所得の収入の内訳（25件）"), std::string::npos);
    EXPECT_NE(shortView.find("… ほか 15 行（--all ですべて表示）"), std::string::npos);
    const std::string fullView = RunInspect({"--all", path}).out;
    EXPECT_EQ(fullView.find("… ほか"), std::string::npos);
    EXPECT_NE(fullView.find("\n  25  貸家"), std::string::npos) << Utf8(fullView);
}

}  // namespace
