#include "platform/win32/WinProgressWindow.h"

#include <commctrl.h>

#include "platform/win32/WinDialog.h"

namespace {
INT_PTR CALLBACK ProgressProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;  // no commands of its own
}
}  // namespace

ClWinProgressWindow::ClWinProgressWindow() {
    window_ = CreateDialogParamA(ResourceModule(), MAKEINTRESOURCEA(IDD_PROGRESS), nullptr,
                                 ProgressProc, 0);
    if (window_) CenterDialog(window_);
}

ClWinProgressWindow::~ClWinProgressWindow() {
    if (window_) DestroyWindow(window_);
}

void ClWinProgressWindow::Send(int bar, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window_) SendDlgItemMessageA(window_, bar, message, wParam, lParam);
}

// Ranges are set with the 16-bit message: low word the minimum, high word the maximum.
void ClWinProgressWindow::SetMainRange(int low, int high) {
    Send(IDC_MAIN_BAR, PBM_SETRANGE, 0, MAKELPARAM(low, high));
}
void ClWinProgressWindow::SetMainStep(int step) { Send(IDC_MAIN_BAR, PBM_SETSTEP, step, 0); }
void ClWinProgressWindow::SetMainPos(int pos) { Send(IDC_MAIN_BAR, PBM_SETPOS, pos, 0); }
void ClWinProgressWindow::StepMain() { Send(IDC_MAIN_BAR, PBM_STEPIT, 0, 0); }
void ClWinProgressWindow::SetActivityRange(int low, int high) {
    Send(IDC_ACTIVITY_BAR, PBM_SETRANGE, 0, MAKELPARAM(low, high));
}
void ClWinProgressWindow::SetActivityStep(int step) {
    Send(IDC_ACTIVITY_BAR, PBM_SETSTEP, step, 0);
}
void ClWinProgressWindow::SetActivityPos(int pos) { Send(IDC_ACTIVITY_BAR, PBM_SETPOS, pos, 0); }
void ClWinProgressWindow::StepActivity() { Send(IDC_ACTIVITY_BAR, PBM_STEPIT, 0, 0); }

void ClWinProgressWindow::SetCaption(const char* text) {
    if (window_) SetWindowTextA(window_, text);
}

void ClWinProgressWindow::BringToTop() {
    if (!window_) return;
    BringWindowToTop(window_);
    SetForegroundWindow(window_);
}

void ClWinProgressWindow::Repaint() {
    // UpdateWindow paints the window alone; the bars are child windows.
    if (window_) RedrawWindow(window_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void ClWinProgressWindow::SetParent(VkWindow parent) {
    // A pop-up window's "parent" is its owner: it stays above the caller's
    // window and goes with it.
    if (window_) SetWindowLongPtrA(window_, GWLP_HWNDPARENT, static_cast<LONG_PTR>(parent));
}

void ClWinProgressWindow::Show() {
    if (!window_) return;
    CenterDialog(window_);
    ShowWindow(window_, SW_SHOW);
    Repaint();
}

void ClWinProgressWindow::Close() {
    if (!window_) return;
    Repaint();
    ShowWindow(window_, SW_HIDE);
}

VkWindow ClWinProgressWindow::Window() { return AsWindow(window_); }

std::unique_ptr<ClProgressWindow> ClWinProgressWindowFactory::Create() {
    return std::make_unique<ClWinProgressWindow>();
}
