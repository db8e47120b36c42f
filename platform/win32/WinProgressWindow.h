#pragma once
// The progress window: dialog 131, modeless, with its two progress bars.
// No messages are handled while the work runs; every change is painted at
// once through Repaint.
#include "platform/win32/WinApi.h"

#include "services/ProgressWindow.h"

class ClWinProgressWindow final : public ClProgressWindow {
public:
    ClWinProgressWindow();
    ~ClWinProgressWindow() override;
    ClWinProgressWindow(const ClWinProgressWindow&) = delete;
    ClWinProgressWindow& operator=(const ClWinProgressWindow&) = delete;

    void SetCaption(const char* text) override;
    void SetMainRange(int low, int high) override;
    void SetMainStep(int step) override;
    void SetMainPos(int pos) override;
    void StepMain() override;
    void SetActivityRange(int low, int high) override;
    void SetActivityStep(int step) override;
    void SetActivityPos(int pos) override;
    void StepActivity() override;
    void BringToTop() override;
    void Repaint() override;

    void SetParent(VkWindow parent) override;
    void Show() override;
    void Close() override;
    VkWindow Window() override;

private:
    void Send(int bar, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
};

class ClWinProgressWindowFactory final : public ClProgressWindowFactory {
public:
    std::unique_ptr<ClProgressWindow> Create() override;
};
