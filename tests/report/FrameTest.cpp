// The frame: the elements without data, the return and income kinds outside
// the known ones, the support file, and what a failed report leaves on disk.
#include <filesystem>
#include <fstream>
#include <regex>

#include "ReportFixture.h"

namespace {
// The DATA part without its element texts and without the letting rows, which depend on the data.
std::string DataSkeleton(const std::string& text) {
    static const std::regex rows("\t*<FUDOUSAN_UTIWAKE [\\s\\S]*?</FUDOUSAN_UTIWAKE>\r\n"), texts(">[^<\r\n]+</");
    return std::regex_replace(std::regex_replace(text.substr(text.find("<DATA>")), rows, ""), texts, "></");
}
}  // namespace

TEST(Frame, EmptyModelWritesEveryElementEmpty) {
    for (auto [golden, aoSiroKind, incomeKind] :
         {std::tuple{"white-general", 4, 1}, {"blue-real-estate", 3, 3}, {"white-real-estate", 4, 3}}) {
        ReportFixture f(ReportCompany(static_cast<std::uint8_t>(aoSiroKind)), incomeKind);
        const std::string path = OutputPath(std::string("empty-") + golden + ".xml");
        ASSERT_TRUE(BuilderRun(f, incomeKind).builder.WriteReport(path.c_str(), 1, f.data)) << golden;
        const std::string written = ReadFileBytes(path), data = written.substr(written.find("<DATA>"));
        const std::string expected =
            ReadFileBytes(ORBEK_SOURCE_DIR "/tests/report/golden/" + std::string(golden) + ".xml");
        EXPECT_EQ(DataSkeleton(written), DataSkeleton(expected)) << golden;
        // No element has a text but the choice of the blue deduction (0 written as 2).
        EXPECT_EQ(std::regex_replace(data, std::regex("<AOIROKOUJO_SENTAKU>2<"), "<AOIROKOUJO_SENTAKU><"),
                  DataSkeleton(written))
            << golden;
    }
}

TEST(Frame, AFailedReportLeavesTheTargetAsItWas) {
    for (auto [aoSiroKind, incomeKind, name, left] :
         {std::tuple{3, 1, "no-income-before-deduction.xml", "previous report"},  // blue general without its 43rd row
          {3, 4, "unknown-income-kind.xml", "previous report"},
          {4, 1, "missing-folder/report.xml", ""}}) {  // cannot be created
        ReportFixture f(incomeKind == 4 ? ReportDataSet("blue-general")
                                        : ReportCompany(static_cast<std::uint8_t>(aoSiroKind)));
        const std::string path = OutputPath(name);
        std::ofstream(path) << "previous report";
        EXPECT_FALSE(BuilderRun(f, incomeKind).builder.WriteReport(path.c_str(), 1, f.data)) << name;
        EXPECT_EQ(ReadFileBytes(path), left) << name;
    }
}

TEST(Frame, NeitherReturnKindGivesAnEmptyIncomeElement) {
    ReportFixture f(ReportDataSet("blue-general"));
    f.data.aoSiroKind = 0;
    const std::string path = OutputPath("no-return-kind.xml");
    ASSERT_TRUE(BuilderRun(f, 2).builder.WriteReport(path.c_str(), 7, f.data));
    const std::string text = ReadFileBytes(path);
    EXPECT_NE(text.find("\t\t<FUNCTIONID>7</FUNCTIONID>\r\n"), std::string::npos);
    EXPECT_NE(text.find("\t\t<AOSIROKUBUN>1</AOSIROKUBUN>\r\n"), std::string::npos);
    EXPECT_TRUE(
        text.ends_with("\t<DATA>\r\n\t\t<SONOTASYOTOKU>\r\n\t\t</SONOTASYOTOKU>\r\n\t</DATA>\r\n</REPORT>\r\n"));
}

TEST(Frame, ProductNameAndVersionComeFromTheSupportFileOfTheCurrentFolder) {
    ReportFixture f(ReportCompany(4));
    BuilderRun run(f, 1);
    const std::filesystem::path folder = OutputPath("support"), previous = std::filesystem::current_path();
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "SUPPORT.INF", std::ios::binary)
        << "[=製品名=]Varnoke１７ 特別版\r\n[=製品ﾊﾞｰｼﾞｮﾝ=]17.01.02\r\n";
    std::filesystem::current_path(folder);
    const bool written = run.builder.WriteSystem(run.writer, 1);
    std::filesystem::current_path(previous);
    ASSERT_TRUE(written);
    EXPECT_NE(run.Text().find(
                  "\t\t<PROGRAMNAME>Varnoke１７ 特別版</PROGRAMNAME>\r\n\t\t<PROGRAMVER>17.01.02</PROGRAMVER>\r\n"),
              std::string::npos);
}
