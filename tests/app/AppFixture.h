#pragma once
// A run of ClExportApp over the stand-in engine and doubles. The engine's call
// log is the run's log: the caller, the progress window and the message box
// write into it too, so the order of everything can be checked. The report is
// written for real, into a temporary folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "app/ExportApp.h"
#include "editions/Edition.h"
#include "services/CallerNotifier.h"
#include "services/ProfileReader.h"
#include "services/ProgressWindow.h"
#include "services/WaitCursor.h"
#include "doubles/RecordingProgressView.h"
#include "doubles/FakeFileSystem.h"
#include "doubles/Messages.h"
#include "doubles/RecordingMessageBox.h"
#include "doubles/ScriptedConditionView.h"
#include "doubles/Standin.h"

class ClLoggingProgressWindow final : public ClRecordingProgressViewOf<ClProgressWindow> {
public:
    static constexpr VkWindow kWindow = 0x131;
    explicit ClLoggingProgressWindow(std::vector<std::string>& log) : log_(log) {}
    ~ClLoggingProgressWindow() override { log_.push_back("progress destroyed"); }
    void SetParent(VkWindow parent) override { log_.push_back("progress parent " + std::to_string(parent)); }
    void Show() override {}
    void Close() override { log_.push_back("progress closed"); }
    VkWindow Window() override { return kWindow; }

private:
    std::vector<std::string>& log_;
};

// The platform around the run: the definition file's level, the progress
// windows, the caller and the wait cursor.
class ClLoggingPlatform final : public ClProfileReader,
                                public ClProgressWindowFactory,
                                public ClCallerNotifier,
                                public ClWaitCursor {
public:
    explicit ClLoggingPlatform(std::vector<std::string>& log) : log_(log) {}
    std::string GetString(const std::string& path, const char* section, const char* key,
                          const char* defaultValue) override {
        asked.push_back(path + "|" + section + "|" + key + "|" + defaultValue);
        return level.value_or(defaultValue);
    }
    std::unique_ptr<ClProgressWindow> Create() override {
        log_.push_back("progress created");
        return std::make_unique<ClLoggingProgressWindow>(log_);
    }
    bool IsCallerWindow(VkWindow w) override { return w != 0 && w != kNoWindow; }
    void Disable(VkWindow w) override { log_.push_back("disable " + std::to_string(w)); }
    void Enable(VkWindow w) override { log_.push_back("enable " + std::to_string(w)); }
    void Post(VkWindow w, std::uint32_t m, std::intptr_t wp, std::intptr_t lp) override {
        log_.push_back("post " + std::to_string(w) + " " + std::to_string(m) + " " + std::to_string(wp) + " " +
                       std::to_string(lp));
    }
    void Begin() override {}
    void Restore() override {}
    void End() override {}

    static constexpr VkWindow kNoWindow = 99;  // a caller's number that is no window
    std::optional<std::string> level = "1";    // QL14; none: the entry is missing
    std::vector<std::string> asked;

private:
    std::vector<std::string>& log_;
};

struct AppRun {
    AppRun() {
        box.log = &log;
        SetCurrentMessageBox(&box);  // the engine's messages too
        fs.programPath = "/opt/orbek/Orbek17Plus";
        fs.AddFile("/opt/orbek/QuillonDef.ini", "");
        fs.AddFolder(outFolder);
        views.typed = outFolder + "/out.xml";
    }
    ~AppRun() { SetCurrentMessageBox(nullptr); }

    // The engine over the data set as the test has arranged it, made on first use.
    ClStandinEngine& Engine() {
        if (!engine) {
            engine.emplace(UserDataSet(selected,
                                       U8(u8R"({"dataId": "D2", "dataNo": 2, "companyName": "別会社"},
                {"dataId": "D3", "dataNo": 3, "companyName": "山田商店", "jigyouKind": 3, )") +
                                           company3 + "}",
                                       faults.empty() ? "" : R"("faults": [)" + faults + "]"),
                           false);
            engine->engine.RecordCalls(&log);
        }
        return engine->engine;
    }
    ClExportApp App(const StEDITION& edition = kOrbek17Plus) {
        Engine();
        return ClExportApp(edition, {fs, platform, box, views, platform, platform, platform});
    }
    // The whole run: start-up and exit step; the result code.
    int RunApp(const std::string& commandLine = "", const StEDITION& edition = kOrbek17Plus) {
        ClExportApp app = App(edition);
        app.InitInstance(commandLine.c_str());
        return app.ExitInstance();
    }
    // The log without the windows' and the caller's entries.
    std::vector<std::string> EngineCalls() const {
        std::vector<std::string> calls;
        std::copy_if(log.begin(), log.end(), std::back_inserter(calls), [](auto& e) { return e.starts_with("Cl"); });
        return calls;
    }
    // Position of entry in the log (its size when absent).
    std::size_t At(const std::string& entry) const {
        return static_cast<std::size_t>(std::find(log.begin(), log.end(), entry) - log.begin());
    }

    TempFolder temp;
    std::string outFolder = temp.path;
    int selected = 3;                             // the data the user selected
    std::string company3 = R"("aoSiroKind": 4)";  // data 3's other members
    std::string faults;                           // the data set's faults
    std::vector<std::string> log;
    std::optional<ClTestStandin> engine;
    ClFakeFileSystem fs;
    ClRecordingMessageBox box;
    ClScriptedViewFactory views;
    ClLoggingPlatform platform{log};
};

class AppTest : public ::testing::Test, public AppRun {};
