#include "AppFixture.h"

namespace {
const std::string kEnv = "/home/u/.local/share/varnoke/Orbek17Plus.env";
}

TEST_F(AppTest, StandAloneRunWritesTheFileAndRemembersThePath) {
    EXPECT_EQ(Run(), 0);
    EXPECT_TRUE(started);
    const std::vector<std::string> engineOrder = {
        "SetAppType 3", "SetUseDataType 2", "Initiate", "ExpSysLink", "GetSetObject 5 1",
        "GetDatCursor", "ReadyDat", "ReleaseDatCursor", "LogOut", "Terminate", "Release"};
    std::vector<std::string> engineCalls;  // the first of each, as the collector calls some too
    for (const std::string& call : log) {
        if (std::count(engineOrder.begin(), engineOrder.end(), call) &&
            !std::count(engineCalls.begin(), engineCalls.end(), call)) {
            engineCalls.push_back(call);
        }
    }
    EXPECT_EQ(engineCalls, engineOrder);
    EXPECT_EQ(engine.appNameAtInitiate, "所得税");
    EXPECT_EQ(engine.ownerAtLink, 0u);
    EXPECT_EQ(fs.currentFolder, "/opt/orbek/");
    EXPECT_EQ(views.parent, 0u);

    ASSERT_EQ(box.Texts(), std::vector<std::string>{msg::kDone});
    EXPECT_EQ(box.shown[0].owner, 0u);
    EXPECT_EQ(box.shown[0].style, 0x40u);
    EXPECT_LT(At("progress closed"), At("MessageBox"));
    EXPECT_LT(At("MessageBox"), At("progress destroyed"));
    EXPECT_FALSE(Logged("progress parent 0"));
    EXPECT_EQ(Written().rfind("<?xml", 0), 0u);
    EXPECT_EQ(fs.files[kEnv], "user01/1/3:0/0/1/" + outFolder + "/out.xml\n");
    for (const std::string& call : log) EXPECT_NE(call.rfind("disable", 0), 0u) << call;
    for (const std::string& call : log) EXPECT_NE(call.rfind("post", 0), 0u) << call;
}

TEST_F(AppTest, CallerRunKeepsThePathFixedAndIsNotifiedLast) {
    fs.AddFile(kEnv, "user01/1/3:0/0/1//old/place.xml\n");
    views.script = {ScriptedConditionView::Choose(ctl::kOtherRadio), ScriptedConditionView::Execute()};
    EXPECT_EQ(Run("7,1234,-3," + outFolder + "/out.xml"), 0);
    EXPECT_LT(At("disable 7"), At("ExpSysLink"));
    EXPECT_EQ(engine.ownerAtLink, 7u);
    EXPECT_EQ(views.parent, 7u);
    EXPECT_TRUE(Logged("progress parent 7"));
    EXPECT_EQ(box.shown.at(0).owner, 7u);
    EXPECT_FALSE(Written().empty());
    // The caller chose the path: only the kind is remembered.
    EXPECT_EQ(fs.files[kEnv], "user01/1/3:0/0/2//old/place.xml\n");
    EXPECT_EQ(log.back(), "post 7 1234 -3 0");
    EXPECT_EQ(log[log.size() - 2], "enable 7");
    EXPECT_LT(At("Release"), At("enable 7"));
}

TEST_F(AppTest, CancelAndPastResultsWriteNothing) {
    views.script = {ScriptedConditionView::Cancel()};
    EXPECT_EQ(Run("5,99,2,"), 1);
    EXPECT_FALSE(started);
    EXPECT_EQ(box.Texts(), std::vector<std::string>{msg::kCancelled});
    EXPECT_FALSE(Logged("progress created"));
    EXPECT_TRUE(Logged("Release"));
    EXPECT_EQ(log.back(), "post 5 99 2 1");
    EXPECT_FALSE(fs.files.count(kEnv));

    box.shown.clear();
    engine.companies[1].dataKind = 99;
    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(box.Texts(), std::vector<std::string>{msg::kPastResults});
}

TEST_F(AppTest, EngineRefusalsEndTheRunQuietly) {
    engine.initiateResult = 8;
    EXPECT_EQ(Run("5,99,2,"), 2);
    EXPECT_FALSE(Logged("disable 5"));  // the command line is not read yet
    EXPECT_FALSE(Logged("post 5 99 2 2"));
    EXPECT_TRUE(Logged("Release"));

    engine.initiateResult = 0;
    engine.linkResult = 1;
    log.clear();
    EXPECT_EQ(Run("5,99,2,"), 1);
    EXPECT_EQ(log.back(), "post 5 99 2 1");
    engine.linkResult = 4;
    log.clear();
    EXPECT_EQ(Run("5,99,2,"), 2);
    EXPECT_EQ(log.back(), "post 5 99 2 2");
    EXPECT_TRUE(box.shown.empty());
    EXPECT_TRUE(engine.dispMsgs.empty());
    EXPECT_EQ(views.created, 0);
}

TEST_F(AppTest, FailedReportIsReportedOverTheProgressWindow) {
    // The check believes in a folder that is not really there.
    fs.AddFolder("/nonexistent-orbek");
    views.script = {ScriptedConditionView::Type("/nonexistent-orbek/out.xml"),
                    ScriptedConditionView::Execute()};
    EXPECT_EQ(Run(), 2);
    ASSERT_EQ(box.Texts(), std::vector<std::string>{msg::kFailed});
    EXPECT_EQ(box.shown[0].owner, LoggingProgressWindow::kWindow);
    EXPECT_EQ(box.shown[0].style, 0x30u);
    EXPECT_LT(At("MessageBox"), At("progress closed"));
    EXPECT_FALSE(fs.files.count(kEnv));
}

TEST_F(AppTest, StandardEditionAnnouncesItselfAndRemembersInItsOwnFile) {
    EXPECT_EQ(Run("", kOrbek17Base), 0);
    EXPECT_TRUE(Logged("SetAppType 0"));
    EXPECT_TRUE(fs.files.count("/home/u/.local/share/varnoke/Orbek17Base.env"));
    EXPECT_FALSE(fs.files.count(kEnv));
}

TEST_F(AppTest, SelectedDataAndItsTexts) {
    ClExportApp app(kOrbek17Plus, {fs, profile, box, views, progress, caller, wait});
    EXPECT_EQ(app.FindSelectedData(nullptr), 0);
    StDATAINFO data;
    std::memset(&data, 0xFF, sizeof data);
    EXPECT_EQ(app.FindSelectedData(&data), 1);
    EXPECT_STREQ(data.companyName, "山田商店");
    engine.selNo2 = 42;  // no such data
    EXPECT_EQ(app.FindSelectedData(&data), 1);
    EXPECT_EQ(data.dataNo, 0);
    EXPECT_EQ(std::count(log.begin(), log.end(), "GetSetObject 5 1"), 1);
    EXPECT_STREQ(ClExportApp::FormatDataText(0, &data), " ");
    EXPECT_STREQ(ClExportApp::FormatDataText(1, &data), " 0000/00/00～0000/00/00");

    data.fiscalFrom = 20250401;
    data.fiscalTo = 20260331;
    EXPECT_STREQ(ClExportApp::FormatDataText(1, &data), " 2025/04/01～2026/03/31");
    EXPECT_STREQ(ClExportApp::FormatDataText(2, &data), "");
    EXPECT_STREQ(ClExportApp::FormatDataText(0, nullptr), "");
    // A name filling its field, without terminator: cut between characters.
    for (std::size_t i = 0; i < sizeof data.companyName; i += 2) std::memcpy(data.companyName + i, "表", 2);
    const std::string text = ClExportApp::FormatDataText(0, &data);
    EXPECT_EQ(text.size(), 255u);
    EXPECT_EQ(text.substr(text.size() - 2), "表");
}

TEST_F(AppTest, CommandLineFields) {
    ClExportApp app(kOrbek17Plus, {fs, profile, box, views, progress, caller, wait});
    EXPECT_EQ(app.ParseCommandLine(""), 0);
    EXPECT_EQ(app.ParseCommandLine("12,34"), 0);
    EXPECT_EQ(app.callerWindow, 12u);  // read before the missing comma: stays read
    EXPECT_EQ(app.callerMessage, 0u);
    EXPECT_EQ(app.functionId, 1);
    EXPECT_EQ(app.ParseCommandLine("1,2,3,"), 1);
    EXPECT_EQ(app.functionId, 3);
    EXPECT_EQ(app.presetPath, "");
    EXPECT_EQ(app.ParseCommandLine("x,4000000000,70000,/a,b;c.xml"), 1);
    EXPECT_EQ(app.callerWindow, 0u);
    EXPECT_EQ(app.callerMessage, 2147483647u);  // held at the 32-bit limit
    EXPECT_EQ(app.functionId, static_cast<std::int16_t>(70000));
    EXPECT_EQ(app.presetPath, "/a,b;c.xml");
}
