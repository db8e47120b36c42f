// Whole reports for every return kind and income kind, byte for byte against
// golden files (Shift_JIS, CR LF) whose lines were checked by hand.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "ReportOutput.h"
#include "editions/Edition.h"

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
    ClRecordingProgressView view;
    ClProgressDlg progress(view);
    ClReportBuilder builder(progress, f.model, c.incomeKind, kOrbek17Plus);
    std::filesystem::create_directories(ORBEK_BINARY_DIR "/report-output");
    // Left in place after a run: the file to compare with the golden one by hand.
    std::string path = std::string(ORBEK_BINARY_DIR "/report-output/") + c.name + ".xml";
    std::remove(path.c_str());

    ASSERT_TRUE(builder.WriteReport(path.c_str(), 1, f.data));
    std::string golden = ReadFileBytes(std::string(ORBEK_SOURCE_DIR "/tests/report/golden/") + c.name + ".xml");
    ASSERT_FALSE(golden.empty()) << "golden file missing for " << c.name;
    EXPECT_TRUE(SameReportBytes(golden, ReadFileBytes(path)));
}

INSTANTIATE_TEST_SUITE_P(
    AllCombinations, GoldenReport,
    ::testing::Values(GoldenCase{"blue-general-business", 3, 1, FillBlueGeneral},
                      GoldenCase{"blue-general-other", 3, 2, FillBlueGeneral},
                      GoldenCase{"white-general", 4, 1, FillWhiteGeneral},
                      GoldenCase{"blue-real-estate", 3, 3, FillBlueRealEstate},
                      GoldenCase{"white-real-estate", 4, 3, FillWhiteRealEstate}),
    [](const ::testing::TestParamInfo<GoldenCase>& param) {
        std::string n = param.param.name;
        for (char& ch : n) if (ch == '-') ch = '_';
        return n;
    });
}  // namespace
