// The frame: the elements without data, the return and income kinds outside
// the known ones, progress, the support file, and what a failed report leaves on disk.
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

// The element texts of the DATA part, as "TAG=text".
std::vector<std::string> DataTexts(const std::string& text) {
    static const std::regex element("<([A-Z0-9_]+)>([^<\r\n]+)</");
    std::vector<std::string> texts;
    const std::string data = text.substr(text.find("<DATA>"));
    for (std::sregex_iterator it(data.begin(), data.end(), element), end; it != end; ++it) {
        texts.push_back((*it)[1].str() + "=" + (*it)[2].str());
    }
    return texts;
}
}  // namespace

TEST(Frame, EmptyModelWritesEveryElementEmpty) {
    const struct {
        const char* golden;
        std::uint8_t aoSiroKind;
        std::int16_t incomeKind;
        std::vector<std::string> texts;  // the only texts a model without data still gives
    } cases[] = {{"white-general", 4, 1, {}},
                 {"blue-real-estate", 3, 3, {"AOIROKOUJO_SENTAKU=2"}},
                 {"white-real-estate", 4, 3, {}}};
    for (const auto& c : cases) {
        ReportFixture f(c.aoSiroKind);
        const std::string path = OutputPath(std::string("empty-") + c.golden + ".xml");
        ASSERT_TRUE(BuilderRun(f, c.incomeKind).builder.WriteReport(path.c_str(), 1, f.data)) << c.golden;
        const std::string written = ReadFileBytes(path);
        const std::string golden = ReadFileBytes(ORBEK_SOURCE_DIR "/tests/report/golden/" + std::string(c.golden) + ".xml");
        EXPECT_EQ(DataSkeleton(written), DataSkeleton(golden)) << c.golden;
        EXPECT_EQ(DataTexts(written), c.texts) << c.golden;
    }
}

TEST(Frame, AFailedReportLeavesTheTargetAsItWas) {
    const struct {
        std::uint8_t aoSiroKind;
        std::int16_t incomeKind;
        const char* name;
        const char* left;
    } cases[] = {{3, 1, "no-income-before-deduction.xml", "previous report"},  // blue general without its 43rd row
                 {3, 4, "unknown-income-kind.xml", "previous report"},
                 {4, 1, "missing-folder/report.xml", ""}};  // cannot be created
    for (const auto& c : cases) {
        ReportFixture f(c.aoSiroKind);
        if (c.incomeKind == 4) FillBlueGeneral(f);
        const std::string path = OutputPath(c.name);
        std::ofstream(path) << "previous report";
        EXPECT_FALSE(BuilderRun(f, c.incomeKind).builder.WriteReport(path.c_str(), 1, f.data)) << c.name;
        EXPECT_EQ(ReadFileBytes(path), c.left) << c.name;
    }
}

TEST(Frame, NeitherReturnKindGivesAnEmptyIncomeElement) {
    ReportFixture f(0);
    FillBlueGeneral(f);
    const std::string path = OutputPath("no-return-kind.xml");
    ASSERT_TRUE(BuilderRun(f, 2).builder.WriteReport(path.c_str(), 7, f.data));
    const std::string text = ReadFileBytes(path);
    EXPECT_NE(text.find("\t\t<FUNCTIONID>7</FUNCTIONID>\r\n"), std::string::npos);
    EXPECT_NE(text.find("\t\t<AOSIROKUBUN>1</AOSIROKUBUN>\r\n"), std::string::npos);
    EXPECT_TRUE(text.ends_with("\t<DATA>\r\n\t\t<SONOTASYOTOKU>\r\n\t\t</SONOTASYOTOKU>\r\n\t</DATA>\r\n</REPORT>\r\n"));
}

TEST(Frame, ProgressMovesFrom50To100Percent) {
    ReportFixture f(4);
    FillWhiteGeneral(f);
    BuilderRun run(f, 1);
    ASSERT_TRUE(run.builder.WriteReport(OutputPath("progress.xml").c_str(), 1, f.data));
    ASSERT_FALSE(run.view.captions.empty());
    EXPECT_EQ(run.view.captions.front(), "集計中 50％");
    EXPECT_EQ(run.view.captions.back(), "集計中 100％");
}

TEST(Frame, ProductNameAndVersionComeFromTheSupportFileOfTheCurrentFolder) {
    ReportFixture f(0);
    BuilderRun run(f, 1);
    const std::filesystem::path folder = OutputPath("support"), previous = std::filesystem::current_path();
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "SUPPORT.INF", std::ios::binary) << "[=製品名=]Varnoke１７ 特別版\r\n[=製品ﾊﾞｰｼﾞｮﾝ=]17.01.02\r\n";
    std::filesystem::current_path(folder);
    const bool written = run.builder.WriteSystem(run.writer, 1);
    std::filesystem::current_path(previous);
    ASSERT_TRUE(written);
    EXPECT_NE(run.Text().find("\t\t<PROGRAMNAME>Varnoke１７ 特別版</PROGRAMNAME>\r\n\t\t<PROGRAMVER>17.01.02</PROGRAMVER>\r\n"),
              std::string::npos);
}
