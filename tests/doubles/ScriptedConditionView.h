#pragma once
// The conditions dialog's window as plain state. Run modally, it plays the
// user: types the path (unless it is fixed) and executes, or cancels.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "dialog/ConditionView.h"

class ClScriptedConditionView final : public ClConditionView {
public:
    static constexpr VkWindow kWindow = 0x130;
    static constexpr int kNotEnded = -1;

    int RunModal(ClConditionEvents& events) override {
        events.OnInitDialog();
        if (result != kNotEnded) return result;
        if (!disabled[ctl::kPathEdit]) texts[ctl::kPathEdit] = typed;
        cancels ? events.OnCancel() : events.OnExecute();
        return result;
    }
    void EndDialog(int code) override {
        if (result == kNotEnded) result = code;
    }
    VkWindow Window() override { return kWindow; }
    void SetText(int id, const std::string& text) override { texts[id] = text; }
    std::string GetText(int id) override { return texts[id]; }
    void SetCheck(int id, bool checked) override { checks[id] = checked; }
    bool GetCheck(int id) override { return checks[id]; }
    void Enable(int id, bool enabled) override { disabled[id] = !enabled; }
    bool IsEnabled(int id) override { return !disabled[id]; }
    void SetFocus(int id) override { focus = id; }
    int GetFocus() override { return focus; }
    void SelectAllText(int id) override { selectedAll.push_back(id); }
    void LimitText(int, int) override {}
    bool BrowseSaveFile(const StSAVEFILEREQUEST& request, std::string& path) override {
        browsed.push_back(request);
        if (browseAnswer.empty()) return false;
        path = browseAnswer;
        return true;
    }

    std::string typed;
    bool cancels = false;
    int result = kNotEnded;
    std::map<int, std::string> texts;
    std::map<int, bool> checks, disabled;
    int focus = 0;
    std::vector<int> selectedAll;
    std::vector<StSAVEFILEREQUEST> browsed;
    std::string browseAnswer;
};

// Hands out views that play the same user and remembers the parent asked for.
class ClScriptedViewFactory final : public ClConditionViewFactory {
public:
    std::unique_ptr<ClConditionView> Create(VkWindow parentWindow) override {
        parent = parentWindow;
        auto view = std::make_unique<ClScriptedConditionView>();
        view->typed = typed;
        view->cancels = cancels;
        return view;
    }
    std::string typed;
    bool cancels = false;
    VkWindow parent = 0;
};
