// The frame: section order without data, the return and income kinds outside
// the known ones, progress, and what a failed report leaves on disk.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>

#include "ReportOutput.h"
#include "editions/Edition.h"

namespace {
std::string OutputPath(const std::string& name) {
    std::filesystem::create_directories(ORBEK_BINARY_DIR "/report-output");
    std::string path = ORBEK_BINARY_DIR "/report-output/" + name;
    std::remove(path.c_str());
    return path;
}

// The element names in file order, without the letting rows (they depend on the data).
std::vector<std::string> Tags(const std::string& text) {
    std::vector<std::string> tags;
    static const std::regex tag("<(/?[A-Z0-9_]+)[ >]");
    bool letting = false;
    for (std::sregex_iterator it(text.begin(), text.end(), tag), end; it != end; ++it) {
        std::string t = (*it)[1];
        if (t == "FUDOUSAN_UTIWAKE") letting = true;
        if (!letting) tags.push_back(t);
        if (t == "/FUDOUSAN_UTIWAKE") letting = false;
    }
    return tags;
}

// The non-empty element texts under DATA, as "TAG=text".
std::vector<std::string> DataTexts(const std::string& text) {
    std::vector<std::string> texts;
    static const std::regex element("<([A-Z0-9_]+)>([^<\\r\\n]+)</\\1>");
    std::string data = text.substr(text.find("<DATA>"));
    for (std::sregex_iterator it(data.begin(), data.end(), element), end; it != end; ++it) {
        texts.push_back((*it)[1].str() + "=" + (*it)[2].str());
    }
    return texts;
}

struct EmptyCase {
    const char* golden;
    std::uint8_t aoSiroKind;
    std::int16_t incomeKind;
    std::vector<std::string> texts;  // the only texts a model without data still gives
};
}  // namespace

TEST(Frame, EmptyModelWritesEveryElementEmpty) {
    const EmptyCase cases[] = {
        {"white-general", 4, 1, {}},
        {"blue-real-estate", 3, 3, {"AOIROKOUJO_SENTAKU=2"}},
        {"white-real-estate", 4, 3, {}},
    };
    for (const EmptyCase& c : cases) {
        ReportFixture f(c.aoSiroKind);
        BuilderRun run(f, c.incomeKind);
        std::string path = OutputPath(std::string("empty-") + c.golden + ".xml");
        ASSERT_TRUE(run.builder.WriteReport(path.c_str(), 1, f.data)) << c.golden;
        std::string written = ReadFileBytes(path);
        std::string golden = ReadFileBytes(ORBEK_SOURCE_DIR "/tests/report/golden/" + std::string(c.golden) + ".xml");
        EXPECT_EQ(Tags(written), Tags(golden)) << c.golden;
        EXPECT_EQ(DataTexts(written), c.texts) << c.golden;
    }
}

TEST(Frame, BlueGeneralNeedsTheIncomeBeforeTheDeduction) {
    ReportFixture f(3);  // no summary rows: the 43rd row is missing
    BuilderRun run(f, 1);
    std::string path = OutputPath("empty-blue-general.xml");
    EXPECT_FALSE(run.builder.WriteReport(path.c_str(), 1, f.data));
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(Frame, NeitherReturnKindGivesAnEmptyIncomeElement) {
    ReportFixture f(0);
    FillBlueGeneral(f);
    BuilderRun run(f, 2);
    std::string path = OutputPath("no-return-kind.xml");
    ASSERT_TRUE(run.builder.WriteReport(path.c_str(), 7, f.data));
    std::string text = ReadFileBytes(path);
    EXPECT_NE(text.find("\t\t<FUNCTIONID>7</FUNCTIONID>\r\n"), std::string::npos);
    EXPECT_NE(text.find("\t\t<AOSIROKUBUN>1</AOSIROKUBUN>\r\n"), std::string::npos);
    EXPECT_TRUE(text.ends_with(Joined({"\t<DATA>", "\t\t<SONOTASYOTOKU>", "\t\t</SONOTASYOTOKU>", "\t</DATA>",
                                       "</REPORT>"})));
}

TEST(Frame, UnknownIncomeKindFailsAndKeepsTheTarget) {
    ReportFixture f;
    FillBlueGeneral(f);
    std::string path = OutputPath("unknown-income-kind.xml");
    std::ofstream(path) << "previous report";
    BuilderRun run(f, 4);
    EXPECT_FALSE(run.builder.WriteReport(path.c_str(), 1, f.data));
    EXPECT_EQ(ReadFileBytes(path), "previous report");
    // In memory: the root is still closed, DATA is not.
    EXPECT_FALSE(run.builder.WriteData(run.writer, f.data));
    EXPECT_EQ(run.Text(), "\t<DATA>\r\n");
}

TEST(Frame, AFileThatCannotBeCreatedFails) {
    ReportFixture f(4);
    BuilderRun run(f, 1);
    std::string path = OutputPath("missing-folder/report.xml");
    EXPECT_FALSE(run.builder.WriteReport(path.c_str(), 1, f.data));
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(Frame, ProgressMovesFrom500To1000) {
    ReportFixture f(4);
    FillWhiteGeneral(f);
    BuilderRun run(f, 1);
    run.progress.ResetMain();
    ASSERT_TRUE(run.builder.WriteReport(OutputPath("progress.xml").c_str(), 1, f.data));
    // Advances 500-600, 600-700 and 700-1000 step the main bar once per value.
    constexpr int kSteps = 101 + 101 + 301;
    EXPECT_EQ(run.view.mainPos, kSteps);
    ASSERT_FALSE(run.view.captions.empty());
    EXPECT_EQ(run.view.captions.front(), "集計中 50％");
    EXPECT_EQ(run.view.captions.back(), "集計中 100％");
    // Pulses: REPORT, six SYSTEM and five BASIC elements, three sections; each
    // pulse (also the one inside every step) runs the activity bar six times.
    constexpr int kPulses = 1 + 6 + 5 + 3;
    EXPECT_EQ(run.view.activitySteps, (kPulses + kSteps) * 6);
}

TEST(Frame, ProductNameAndVersionComeFromTheSupportFile) {
    ReportFixture f(0);
    BuilderRun run(f, 1);
    // SUPPORT.INF is read from the current directory, the program's folder.
    std::filesystem::path folder = OutputPath("support");
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "SUPPORT.INF", std::ios::binary) << "[=製品名=]Varnoke１７ 特別版\r\n[=製品ﾊﾞｰｼﾞｮﾝ=]17.01.02\r\n";
    std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    bool ok = run.builder.WriteSystem(run.writer, 1);
    std::filesystem::current_path(previous);
    ASSERT_TRUE(ok);
    EXPECT_NE(run.Text().find("\t\t<PROGRAMNAME>Varnoke１７ 特別版</PROGRAMNAME>\r\n"), std::string::npos);
    EXPECT_NE(run.Text().find("\t\t<PROGRAMVER>17.01.02</PROGRAMVER>\r\n"), std::string::npos);

    // Without the file: the edition's name and the default version.
    ClRecordingProgressView view;
    ClProgressDlg progress(view);
    ClReportBuilder base(progress, f.model, 1, kOrbek17Base);
    BuilderRun memory(f, 1);
    ASSERT_TRUE(base.WriteSystem(memory.writer, 1));
    EXPECT_NE(memory.Text().find("\t\t<PROGRAMNAME>Varnoke１７</PROGRAMNAME>\r\n"), std::string::npos);
    EXPECT_NE(memory.Text().find("\t\t<PROGRAMVER>17.00.0X</PROGRAMVER>\r\n"), std::string::npos);
}
