#pragma once
// A run of ClExportApp over doubles. The engine's call log is the run's log:
// the caller, the progress window and the message box write into it too, so
// the order of everything can be checked. The report is written for real,
// into a temporary folder.
#include <gtest/gtest.h>
#include <stdlib.h>
#ifdef _WIN32
#include <direct.h>
#include <io.h>
#endif

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "app/ExportApp.h"
#include "doubles/FakeEngine.h"
#include "doubles/FakeFileSystem.h"
#include "doubles/Messages.h"
#include "doubles/RecordingMessageBox.h"
#include "doubles/ScriptedConditionView.h"

class FakeProfile final : public ClProfileReader {
public:
    std::string GetString(const std::string& path, const char* section, const char* key,
                          const char* defaultValue) override {
        asked.push_back(path + "|" + section + "|" + key + "|" + defaultValue);
        return value.value_or(defaultValue);
    }
    std::optional<std::string> value = "1";
    std::vector<std::string> asked;
};

class LoggingProgressWindow final : public ClProgressWindow {
public:
    static constexpr VkWindow kWindow = 0x131;
    explicit LoggingProgressWindow(std::vector<std::string>& log) : log_(log) {}
    ~LoggingProgressWindow() override { log_.push_back("progress destroyed"); }
    void SetCaption(const char* text) override { lastCaption = text; }
    void SetMainRange(int, int) override {}
    void SetMainStep(int) override {}
    void SetMainPos(int) override {}
    void StepMain() override {}
    void SetActivityRange(int, int) override {}
    void SetActivityStep(int) override {}
    void SetActivityPos(int) override {}
    void StepActivity() override {}
    void BringToTop() override {}
    void Repaint() override {}
    void SetParent(VkWindow parent) override { log_.push_back("progress parent " + std::to_string(parent)); }
    void Show() override { log_.push_back("progress shown"); }
    void Close() override { log_.push_back("progress closed"); }
    VkWindow Window() override { return kWindow; }
    std::string lastCaption;

private:
    std::vector<std::string>& log_;
};

class LoggingProgressFactory final : public ClProgressWindowFactory {
public:
    explicit LoggingProgressFactory(std::vector<std::string>& log) : log_(log) {}
    std::unique_ptr<ClProgressWindow> Create() override {
        log_.push_back("progress created");
        return std::make_unique<LoggingProgressWindow>(log_);
    }

private:
    std::vector<std::string>& log_;
};

class LoggingCaller final : public ClCallerNotifier {
public:
    explicit LoggingCaller(std::vector<std::string>& log) : log_(log) {}
    void Disable(VkWindow w) override { log_.push_back("disable " + std::to_string(w)); }
    void Enable(VkWindow w) override { log_.push_back("enable " + std::to_string(w)); }
    void Post(VkWindow w, std::uint32_t m, std::intptr_t wp, std::intptr_t lp) override {
        log_.push_back("post " + std::to_string(w) + " " + std::to_string(m) + " " +
                       std::to_string(wp) + " " + std::to_string(lp));
    }

private:
    std::vector<std::string>& log_;
};

class LoggingWaitCursor final : public ClWaitCursor {
public:
    explicit LoggingWaitCursor(std::vector<std::string>& log) : log_(log) {}
    void Begin() override { log_.push_back("wait begin"); }
    void Restore() override { log_.push_back("wait restore"); }
    void End() override { log_.push_back("wait end"); }

private:
    std::vector<std::string>& log_;
};

class AppTest : public ::testing::Test {
protected:
    AppTest() {
        char name[] = "/tmp/orbek-app-XXXXXX";
#ifdef _WIN32
        // Under Wine "/tmp" is the host's, through the current drive Z:.
        const bool made = _mktemp_s(name, sizeof name) == 0 && _mkdir(name) == 0;
#else
        const bool made = mkdtemp(name) != nullptr;
#endif
        outFolder = made ? name : "/nonexistent";
        box.log = &log;
        fs.programPath = "/opt/orbek/Orbek17Plus";
        fs.AddFile("/opt/orbek/QuillonDef.ini", "");
        fs.AddFolder(outFolder);
        engine.companies = {FakeEngine::Company(2, "別会社"), FakeEngine::Company(3, "山田商店")};
        engine.folder1 = "/home/u/.local/share/varnoke/";
        views.script = {ScriptedConditionView::Type(outFolder + "/out.xml"),
                        ScriptedConditionView::Execute()};
    }
    ~AppTest() override {
        std::error_code ignored;
        std::filesystem::remove_all(outFolder, ignored);
    }

    // The whole run: start-up and exit step; the result code.
    int Run(const std::string& commandLine = "", const StEDITION& edition = kOrbek17Plus) {
        ClExportApp app(edition, {fs, profile, box, views, progress, caller, wait});
        started = app.InitInstance(commandLine.c_str());
        return app.ExitInstance();
    }
    bool Logged(const std::string& entry) const {
        return std::find(log.begin(), log.end(), entry) != log.end();
    }
    // Position of entry in the log (its size when absent).
    std::size_t At(const std::string& entry) const {
        return static_cast<std::size_t>(std::find(log.begin(), log.end(), entry) - log.begin());
    }
    std::string Written() const {
        std::ifstream file(outFolder + "/out.xml", std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }

    std::string outFolder;
    FakeEngine engine;
    std::vector<std::string>& log = engine.calls;
    FakeFileSystem fs;
    FakeProfile profile;
    RecordingMessageBox box;
    ScriptedViewFactory views;
    LoggingProgressFactory progress{log};
    LoggingCaller caller{log};
    LoggingWaitCursor wait{log};
    bool started = false;
};
