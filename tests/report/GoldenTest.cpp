// Whole reports for every return kind and income kind, byte for byte against
// golden files (Shift_JIS, CR LF) whose lines were checked by hand.
#include <regex>
#include <tuple>

#include "ReportFixture.h"

namespace {
// The golden file's name, the data set of tests/report/data and the income kind.
using GoldenCase = std::tuple<const char*, const char*, std::int16_t>;
class GoldenReport : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenReport, WritesTheExpectedBytes) {
    const auto [name, dataSet, incomeKind] = GetParam();
    ReportFixture f(ReportDataSet(dataSet), incomeKind);
    BuilderRun run(f, incomeKind);
    // Left in place after a run: the file to compare with the golden one by hand.
    const std::string path = OutputPath(std::string(name) + ".xml");
    ASSERT_TRUE(run.builder.WriteReport(path.c_str(), 1, f.data));
    const std::string golden =
        ReadFileBytes(ORBEK_SOURCE_DIR "/tests/report/golden/" + path.substr(path.rfind('/') + 1));
    ASSERT_FALSE(golden.empty()) << "golden file missing for " << name;
    EXPECT_TRUE(SameReportBytes(golden, ReadFileBytes(path)));
    EXPECT_EQ(run.view.captions.front(), "集計中 50％");  // the report's share of the progress
    EXPECT_EQ(run.view.captions.back(), "集計中 100％");
}

INSTANTIATE_TEST_SUITE_P(AllCombinations, GoldenReport,
                         ::testing::Values(GoldenCase{"blue-general-business", "blue-general", 1},
                                           GoldenCase{"blue-general-other", "blue-general", 2},
                                           GoldenCase{"white-general", "white-general", 1},
                                           GoldenCase{"blue-real-estate", "blue-real-estate", 3},
                                           GoldenCase{"white-real-estate", "white-real-estate", 3}),
                         [](const auto& param) {
                             return std::regex_replace(std::get<0>(param.param), std::regex("-"), "_");
                         });
}  // namespace
