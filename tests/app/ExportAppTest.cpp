#include <cstring>

#include "AppFixture.h"

namespace {
// The engine's calls of a standard run, in their contractual order.
const std::vector<std::string> kEngineCalls = {
    "ClAccConnect::SetAppType 3", "ClAccConnect::SetUseDataType 2", "ClAccConnect::Initiate",
    "ClAccConnect::ExpSysLink", "ClDataMgr::GetSetObject 5", "ClSetData::GetDatCursor", "ClSetData::ReadyDat",
    "ClSetData::ReleaseDatCursor",
    // The white return's business figures: settings first, each object keyed by the selected data.
    "ClSaveAoSiro::Create", "ClDataMgr::GetSetObject 5", "ClSaveAoSiro::GetDataIppan", "ClSaveAoSiro::GetDataFudousan",
    "ClRuleSiro::Create", "ClDataMgr::GetSetObject 5", "ClRuleSiro::Ready", "ClRuleSiro::GetCount_PL 0",
    "ClRuleSiro::MoveFirst_PL 0", "ClSaveAoSiro::Delete", "ClRuleSiro::Delete", "ClAccConnect::LogOut",
    "ClAccConnect::Terminate", "ClAccConnect::Release"};
}  // namespace

TEST_F(AppTest, StandAloneRunCallsTheEngineInOrderAndEndsWithItsMessage) {
    EXPECT_EQ(RunApp(), 0);
    EXPECT_EQ(EngineCalls(), kEngineCalls);
    EXPECT_STREQ(Engine().AccConnect()->appName, "所得税");
    EXPECT_EQ(fs.currentFolder, "/opt/orbek/");
    ASSERT_EQ(box.Texts(), std::vector<std::string>{msg::kDone});
    EXPECT_EQ(box.shown[0].owner, 0u);
    EXPECT_LT(At("progress closed"), At("MessageBox"));  // the message follows the finished window

    AppRun base;
    EXPECT_EQ(base.RunApp("", kOrbek17Base), 0);
    EXPECT_EQ(base.log.front(), "ClAccConnect::SetAppType 0");
}

TEST_F(AppTest, CallerOwnsEveryWindowAndIsNotifiedLast) {
    EXPECT_EQ(RunApp("7,1234,-3," + outFolder + "/out.xml"), 0);
    EXPECT_EQ(EngineCalls(), kEngineCalls);
    EXPECT_LT(At("disable 7"), At("ClAccConnect::ExpSysLink"));
    EXPECT_EQ(At("progress parent 7"), At("progress created") + 1);
    // After the engine is closed: enabled, then notified, and nothing after.
    EXPECT_LT(At("ClAccConnect::Release"), At("enable 7"));
    EXPECT_EQ(At("post 7 1234 -3 0"), log.size() - 1);
    EXPECT_EQ(Engine().AccConnect()->ownerWindow, 7u);
    EXPECT_EQ(views.parent, 7u);
    EXPECT_EQ(box.shown.at(0).owner, 7u);
}

// A number that is no window would keep the windows it owned from opening:
// the run goes on without an owner, and the notifier drops what it is given.
TEST_F(AppTest, ACallerNumberThatIsNoWindowOwnsNothing) {
    EXPECT_EQ(RunApp(std::to_string(ClLoggingPlatform::kNoWindow) + ",1234,-3," + outFolder + "/out.xml"), 0);
    EXPECT_EQ(views.parent, 0u);
    EXPECT_EQ(At("progress parent 0"), At("progress created") + 1);
    EXPECT_EQ(box.shown.at(0).owner, 0u);
    EXPECT_EQ(Engine().AccConnect()->ownerWindow, 0u);
    EXPECT_EQ(log.back(), "post 0 1234 -3 0");
}

// A report that cannot be written, like figures that cannot be collected,
// is reported over the progress window and nothing is remembered.
TEST(App, FailedReportOrCollectionIsReportedOverTheProgressWindow) {
    for (const bool collectionFails : {false, true}) {
        AppRun t;
        if (collectionFails) {
            t.faults = R"({"op": "ClRuleSiro::Ready", "result": 9})";
        } else {  // the check believes in a folder that is not really there
            t.fs.AddFolder("/nonexistent-orbek");
            t.views.typed = "/nonexistent-orbek/out.xml";
        }
        EXPECT_EQ(t.RunApp(), 2);
        ASSERT_EQ(t.box.Texts(), std::vector<std::string>{msg::kFailed});
        EXPECT_EQ(t.box.shown[0].owner, ClLoggingProgressWindow::kWindow);
        EXPECT_EQ(t.box.shown[0].style, 0x30u);
        EXPECT_LT(t.At("MessageBox"), t.At("progress closed"));
        EXPECT_EQ(t.fs.replaceCalls, 0);
    }
}

TEST(App, EveryEarlyEndStillReleasesTheEngine) {
    const std::pair<void (*)(AppRun&), std::int32_t> ends[] = {
        {[](AppRun& t) { t.faults = R"({"op": "ClAccConnect::Initiate", "result": 8})"; }, 2},
        {[](AppRun& t) { t.fs.files.clear(); }, 2},  // no definition file
        {[](AppRun& t) { t.faults = R"({"op": "ClAccConnect::ExpSysLink", "result": 1})"; }, 1},
        {[](AppRun& t) { t.faults = R"({"op": "ClAccConnect::ExpSysLink", "result": 4})"; }, 2},
        {[](AppRun& t) { t.company3 += R"(, "dataKind": 99)"; }, 1},
        {[](AppRun& t) { t.selected = 42; }, 2},  // the selected data is missing
        {[](AppRun& t) { t.views.cancels = true; }, 1},
    };
    for (const auto& [arrange, code] : ends) {
        AppRun t;
        arrange(t);
        EXPECT_EQ(t.RunApp(), code);
        EXPECT_EQ(t.log.back(), "ClAccConnect::Release");
        EXPECT_EQ(t.At("progress created"), t.log.size());
        EXPECT_EQ(t.fs.replaceCalls, 0);
    }
}

TEST_F(AppTest, SelectedDataAndItsTexts) {
    StDATAINFO data;
    std::memset(&data, 0xFF, sizeof data);
    selected = 42;  // no such data: a zero record
    ASSERT_EQ(Engine().AccConnect()->Initiate(), VK_OK);
    EXPECT_EQ(App().FindSelectedData(&data), 0);
    EXPECT_EQ(data.dataNo, 0);
    // A name filling its field, without terminator: cut between characters.
    for (std::size_t i = 0; i < sizeof data.companyName; i += 2) std::memcpy(data.companyName + i, "表", 2);
    const std::string text = ClExportApp::FormatDataText(0, &data);
    EXPECT_EQ(text.size(), 255u);
    EXPECT_EQ(text.substr(text.size() - 2), "表");
}

TEST_F(AppTest, CommandLineFields) {
    StCOMMANDLINE line = ClExportApp::ParseCommandLine("12,34");
    EXPECT_FALSE(line.complete);
    EXPECT_EQ(line.window, 12u);  // read before the missing comma: stays read
    line = ClExportApp::ParseCommandLine("x,4000000000,70000,/a,b;c.xml");
    EXPECT_TRUE(line.complete);
    EXPECT_EQ(line.window, 0u);
    EXPECT_EQ(line.message, 2147483647u);  // held at the 32-bit limit
    EXPECT_EQ(line.functionId, static_cast<std::int16_t>(70000));
    EXPECT_EQ(line.presetPath, "/a,b;c.xml");
}
