// Whole reports for every return kind and income kind, byte for byte against
// golden files (Shift_JIS, CR LF) whose lines were checked by hand.
#include "ReportFixture.h"

namespace {
struct GoldenCase {
    const char* name;
    std::uint8_t aoSiroKind;
    std::int16_t incomeKind;
    void (*fill)(ReportFixture&);
};

class GoldenReport : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenReport, WritesTheExpectedBytes) {
    const GoldenCase& c = GetParam();
    ReportFixture f(c.aoSiroKind);
    c.fill(f);
    BuilderRun run(f, c.incomeKind);
    // Left in place after a run: the file to compare with the golden one by hand.
    const std::string path = OutputPath(std::string(c.name) + ".xml");
    ASSERT_TRUE(run.builder.WriteReport(path.c_str(), 1, f.data));
    const std::string golden = ReadFileBytes(ORBEK_SOURCE_DIR "/tests/report/golden/" + path.substr(path.rfind('/') + 1));
    ASSERT_FALSE(golden.empty()) << "golden file missing for " << c.name;
    EXPECT_TRUE(SameReportBytes(golden, ReadFileBytes(path)));
}

INSTANTIATE_TEST_SUITE_P(AllCombinations, GoldenReport,
                         ::testing::Values(GoldenCase{"blue-general-business", 3, 1, FillBlueGeneral},
                                           GoldenCase{"blue-general-other", 3, 2, FillBlueGeneral},
                                           GoldenCase{"white-general", 4, 1, FillWhiteGeneral},
                                           GoldenCase{"blue-real-estate", 3, 3, FillBlueRealEstate},
                                           GoldenCase{"white-real-estate", 4, 3, FillWhiteRealEstate}),
                         [](const auto& param) {
                             std::string name = param.param.name;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });
}  // namespace
