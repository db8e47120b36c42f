#pragma once
// The progress window: dialog 131, modeless, with its two progress bars.
// No messages are handled while the work runs, so the window is painted
// explicitly through Repaint. The bars and the caption are kept here and
// handed to the controls when the window is painted, at most about 40 times
// a second and always before it is closed or owns a message box: a paint
// costs far more than a step of the work (most of all under Wine).
#include "platform/win32/WinApi.h"

#include <string>

#include "platform/ProgressBarState.h"

class ClWinProgressWindow final : public ClKeptBarsWindow {
public:
    ClWinProgressWindow();
    ~ClWinProgressWindow() override;
    ClWinProgressWindow(const ClWinProgressWindow&) = delete;
    ClWinProgressWindow& operator=(const ClWinProgressWindow&) = delete;

    void SetCaption(const char* text) override { caption_ = text ? text : ""; }
    void BringToTop() override { toTop_ = true; }
    void Repaint() override;

    void SetParent(VkWindow parent) override;
    void Show() override;
    void Close() override;
    VkWindow Window() override;

private:
    // Hands what changed to the window and paints it now.
    void Paint();
    void PaintBar(int id, const StPROGRESSBAR& bar, StPROGRESSBAR& shown);

    HWND window_ = nullptr;
    std::string caption_;
    std::string shownCaption_;
    StPROGRESSBAR shownMain_{0, 0, 0, -1};  // what the controls show; never a real state
    StPROGRESSBAR shownActivity_{0, 0, 0, -1};
    bool toTop_ = false;
    ULONGLONG paintedAt_ = 0;
};

class ClWinProgressWindowFactory final : public ClProgressWindowFactory {
public:
    std::unique_ptr<ClProgressWindow> Create() override;
};
