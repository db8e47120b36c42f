#pragma once
// The conditions dialog on the console: it shows the dialog as text once,
// then reads one command per line (see README): 1, 2, 3, "path TEXT",
// browse, execute or F12, cancel or Esc, show. After a command only the lines
// it changed are shown again. The end of input is Cancel.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "dialog/ConditionView.h"
#include "services/FileSystem.h"
#include "platform/posix/Console.h"

class ClConsoleConditionView final : public ClConditionView {
public:
    ClConsoleConditionView(ClConsole& console, ClFileSystem& fs) : console_(console), fs_(fs) {}

    int RunModal(ClConditionEvents& events) override;
    void EndDialog(int result) override;
    VkWindow Window() override { return kWindow; }
    void SetText(int id, const std::string& text) override { texts_[id] = text; }
    std::string GetText(int id) override { return texts_[id]; }
    void SetCheck(int id, bool checked) override { checks_[id] = checked; }
    bool GetCheck(int id) override { return checks_[id]; }
    void Enable(int id, bool enabled) override { disabled_[id] = !enabled; }
    bool IsEnabled(int id) override { return !disabled_[id]; }
    void SetFocus(int id) override { focus_ = id; }
    int GetFocus() override { return focus_; }
    void SelectAllText(int) override {}
    void LimitText(int id, int bytes) override { limits_[id] = bytes; }
    bool BrowseSaveFile(const StSAVEFILEREQUEST& request, std::string& path) override;

private:
    static constexpr VkWindow kWindow = IDD_CONDITIONS;

    std::vector<std::string> Lines();
    void Draw();
    void DrawChanges();
    // unreadable: the console refused the line (a character code page 932
    // cannot hold); it is shown with "?" in place of such characters.
    void Dispatch(ClConditionEvents& events, const std::string& line, bool unreadable);
    void Execute(ClConditionEvents& events, bool byKey);
    void Choose(int radio);
    void TypePath(const std::string& text, bool unreadable);
    std::string PathRefusal(const std::string& text);
    void Refuse(const char* text);

    ClConsole& console_;
    ClFileSystem& fs_;
    std::map<int, std::string> texts_;
    std::map<int, bool> checks_;
    std::map<int, bool> disabled_;
    std::map<int, int> limits_;
    std::vector<std::string> drawn_;  // the dialog's lines as last shown
    int focus_ = 0;
    bool ended_ = false;
    int result_ = kIdCancel;
};

class ClConsoleConditionViewFactory final : public ClConditionViewFactory {
public:
    ClConsoleConditionViewFactory(ClConsole& console, ClFileSystem& fs) : console_(console), fs_(fs) {}
    std::unique_ptr<ClConditionView> Create(VkWindow) override {
        return std::make_unique<ClConsoleConditionView>(console_, fs_);
    }

private:
    ClConsole& console_;
    ClFileSystem& fs_;
};
