#pragma once
// The conditions dialog: dialog 130 run modally with its own message loop,
// so that every key-down message reaches ClConditionEvents before the
// dialog's own keyboard handling.
#include "platform/win32/WinApi.h"

#include "dialog/ConditionView.h"

class ClWinConditionView final : public ClConditionView {
public:
    explicit ClWinConditionView(VkWindow parent) : parent_(reinterpret_cast<HWND>(parent)) {}
    ~ClWinConditionView() override;
    ClWinConditionView(const ClWinConditionView&) = delete;
    ClWinConditionView& operator=(const ClWinConditionView&) = delete;

    int RunModal(ClConditionEvents& events) override;
    void EndDialog(int result) override;
    VkWindow Window() override;

    void SetText(int id, const std::string& text) override;
    std::string GetText(int id) override;
    void SetCheck(int id, bool checked) override;
    bool GetCheck(int id) override;
    void Enable(int id, bool enabled) override;
    bool IsEnabled(int id) override;
    void SetFocus(int id) override;
    int GetFocus() override;
    void SelectAllText(int id) override;
    void LimitText(int id, int bytes) override;
    bool BrowseSaveFile(const StSAVEFILEREQUEST& request, std::string& path) override;

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Handle(UINT message, WPARAM wParam);
    // True when the message was a key the dialog logic consumed.
    bool PreTranslate(const MSG& msg);
    HWND Item(int id) const { return GetDlgItem(window_, id); }

    HWND parent_;
    HWND window_ = nullptr;
    ClConditionEvents* events_ = nullptr;
    bool ended_ = false;
    int result_ = kIdCancel;
};

class ClWinConditionViewFactory final : public ClConditionViewFactory {
public:
    std::unique_ptr<ClConditionView> Create(VkWindow parent) override {
        return std::make_unique<ClWinConditionView>(parent);
    }
};
