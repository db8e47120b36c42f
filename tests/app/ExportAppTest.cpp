#include <fstream>

#include "AppFixture.h"

namespace {
// The engine's calls of a standard run, in their contractual order.
const std::vector<std::string> kEngineCalls = {
    "SetAppType 3", "SetUseDataType 2", "Initiate", "ExpSysLink", "GetSetObject 5 1", "GetDatCursor",
    "ReadyDat", "ReleaseDatCursor",
    // The settings and the white rule are keyed by the selected data.
    "GetSetObject 5 1", "GetSetObject 5 1", "LogOut", "Terminate", "Release"};
}  // namespace

TEST_F(AppTest, StandAloneRunCallsTheEngineInOrderAndEndsWithItsMessage) {
    EXPECT_EQ(RunApp(), 0);
    EXPECT_EQ(EngineCalls(), kEngineCalls);
    EXPECT_EQ(engine.appNameAtInitiate, "所得税");
    EXPECT_EQ(fs.currentFolder, "/opt/orbek/");
    ASSERT_EQ(box.Texts(), std::vector<std::string>{msg::kDone});
    EXPECT_EQ(box.shown[0].owner, 0u);
    EXPECT_LT(At("progress closed"), At("MessageBox"));  // the message follows the finished window

    log.clear();
    EXPECT_EQ(RunApp("", kOrbek17Base), 0);
    EXPECT_EQ(log.front(), "SetAppType 0");
}

TEST_F(AppTest, CallerOwnsEveryWindowAndIsNotifiedLast) {
    EXPECT_EQ(RunApp("7,1234,-3," + outFolder + "/out.xml"), 0);
    EXPECT_EQ(EngineCalls(), kEngineCalls);
    EXPECT_LT(At("disable 7"), At("ExpSysLink"));
    EXPECT_EQ(At("progress parent 7"), At("progress created") + 1);
    // After the engine is closed: enabled, then notified, and nothing after.
    EXPECT_LT(At("Release"), At("enable 7"));
    EXPECT_EQ(At("post 7 1234 -3 0"), log.size() - 1);
    EXPECT_EQ(engine.ownerAtLink, 7u);
    EXPECT_EQ(views.parent, 7u);
    EXPECT_EQ(box.shown.at(0).owner, 7u);
}

TEST_F(AppTest, FailedReportIsReportedOverTheProgressWindow) {
    // The check believes in a folder that is not really there.
    fs.AddFolder("/nonexistent-orbek");
    views.typed = "/nonexistent-orbek/out.xml";
    EXPECT_EQ(RunApp(), 2);
    ASSERT_EQ(box.Texts(), std::vector<std::string>{msg::kFailed});
    EXPECT_EQ(box.shown[0].owner, LoggingProgressWindow::kWindow);
    EXPECT_EQ(box.shown[0].style, 0x30u);
    EXPECT_LT(At("MessageBox"), At("progress closed"));
    EXPECT_EQ(fs.replaceCalls, 0);  // nothing remembered
}

// A collection that fails, like data that cannot be found, ends the run with 2
// before anything is written or remembered; an existing target keeps its bytes.
TEST(App, FailedCollectionOrMissingDataEndsTheRunBeforeTheFile) {
    const struct {
        const char* what;
        void (*arrange)(AppRun&);
        const char* message;
        VkWindow owner;
        bool dialogShown;
    } cases[] = {
        {"white rule not ready", [](AppRun& t) { t.engine.whiteReadyResult = 9; }, msg::kFailed,
         LoggingProgressWindow::kWindow, true},
        {"no blue rule", [](AppRun& t) { t.engine.companies[1].aoSiroKind = 3; }, msg::kFailed,
         LoggingProgressWindow::kWindow, true},
        {"neither return kind", [](AppRun& t) { t.engine.companies[1].aoSiroKind = 5; }, msg::kFailed,
         LoggingProgressWindow::kWindow, true},
        {"selected data missing", [](AppRun& t) { t.engine.selNo2 = 42; }, msg::kNoData, 7, false},
    };
    for (const auto& c : cases) {
        AppRun t;
        c.arrange(t);
        const std::string target = t.outFolder + "/out.xml";
        { std::ofstream(target, std::ios::binary) << "old"; }
        EXPECT_EQ(t.RunApp("7,1234,5,"), 2) << c.what;
        ASSERT_EQ(t.box.Texts(), std::vector<std::string>{c.message}) << c.what;
        EXPECT_EQ(t.box.shown[0].owner, c.owner) << c.what;
        EXPECT_EQ(t.box.shown[0].style, 0x30u) << c.what;
        EXPECT_EQ(t.views.parent, c.dialogShown ? 7u : 0u) << c.what;
        EXPECT_EQ(t.log.back(), "post 7 1234 5 2") << c.what;
        EXPECT_EQ(t.fs.replaceCalls, 0) << c.what;  // nothing remembered
        std::ifstream file(target, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), "old") << c.what;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(t.outFolder), {}), 1) << c.what;
    }
}

TEST(App, EveryEarlyEndStillReleasesTheEngine) {
    const std::pair<void (*)(AppRun&), std::int32_t> ends[] = {
        {[](AppRun& t) { t.engine.initiateResult = 8; }, 2},
        {[](AppRun& t) { t.fs.files.clear(); }, 2},  // no definition file
        {[](AppRun& t) { t.engine.linkResult = 1; }, 1},
        {[](AppRun& t) { t.engine.linkResult = 4; }, 2},
        {[](AppRun& t) { t.engine.companies[1].dataKind = 99; }, 1},
        {[](AppRun& t) { t.views.cancels = true; }, 1},
    };
    for (const auto& [arrange, code] : ends) {
        AppRun t;
        arrange(t);
        EXPECT_EQ(t.RunApp(), code);
        EXPECT_EQ(t.log.back(), "Release");
        EXPECT_EQ(t.At("progress created"), t.log.size());
        EXPECT_EQ(t.fs.replaceCalls, 0);
    }
}

TEST_F(AppTest, SelectedDataAndItsTexts) {
    StDATAINFO data;
    std::memset(&data, 0xFF, sizeof data);
    engine.selNo2 = 42;  // no such data: a zero record
    EXPECT_EQ(App().FindSelectedData(&data), 0);
    EXPECT_EQ(data.dataNo, 0);
    // A name filling its field, without terminator: cut between characters.
    for (std::size_t i = 0; i < sizeof data.companyName; i += 2) std::memcpy(data.companyName + i, "表", 2);
    const std::string text = ClExportApp::FormatDataText(0, &data);
    EXPECT_EQ(text.size(), 255u);
    EXPECT_EQ(text.substr(text.size() - 2), "表");
}

TEST_F(AppTest, CommandLineFields) {
    ClExportApp app = App();
    EXPECT_EQ(app.ParseCommandLine("12,34"), 0);
    EXPECT_EQ(app.callerWindow, 12u);  // read before the missing comma: stays read
    EXPECT_EQ(app.ParseCommandLine("x,4000000000,70000,/a,b;c.xml"), 1);
    EXPECT_EQ(app.callerWindow, 0u);
    EXPECT_EQ(app.callerMessage, 2147483647u);  // held at the 32-bit limit
    EXPECT_EQ(app.functionId, static_cast<std::int16_t>(70000));
    EXPECT_EQ(app.presetPath, "/a,b;c.xml");
}
