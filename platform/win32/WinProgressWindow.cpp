#include "platform/win32/WinProgressWindow.h"

#include <commctrl.h>

#include "platform/win32/WinDialog.h"
#include "resources/ResourceIds.h"

namespace {
constexpr ULONGLONG kFrameMilliseconds = 25;

INT_PTR CALLBACK ProgressProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;  // no commands of its own
}
}  // namespace

ClWinProgressWindow::ClWinProgressWindow() {
    window_ = CreateDialogParamA(ResourceModule(), MAKEINTRESOURCEA(IDD_PROGRESS), nullptr, ProgressProc, 0);
    if (!window_) return;
    CenterDialog(window_);
    // The caption of the resource until the work first sets one.
    char caption[64] = {};
    GetWindowTextA(window_, caption, sizeof caption);
    caption_ = shownCaption_ = caption;
}

ClWinProgressWindow::~ClWinProgressWindow() {
    if (window_) DestroyWindow(window_);
}

void ClWinProgressWindow::Repaint() {
    if (GetTickCount64() - paintedAt_ >= kFrameMilliseconds) Paint();
}

void ClWinProgressWindow::Paint() {
    if (!window_) return;
    if (caption_ != shownCaption_) {
        SetWindowTextA(window_, caption_.c_str());
        shownCaption_ = caption_;
    }
    PaintBar(IDC_MAIN_BAR, main_, shownMain_);
    PaintBar(IDC_ACTIVITY_BAR, activity_, shownActivity_);
    if (toTop_) {
        BringWindowToTop(window_);
        SetForegroundWindow(window_);
        toTop_ = false;
    }
    // UpdateWindow paints the window alone; the bars are child windows.
    RedrawWindow(window_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    paintedAt_ = GetTickCount64();
}

void ClWinProgressWindow::PaintBar(int id, const StPROGRESSBAR& bar, StPROGRESSBAR& shown) {
    if (bar == shown) return;
    // The control is given the position itself: the steps are counted here.
    if (bar.low != shown.low || bar.high != shown.high) {
        SendDlgItemMessageA(window_, id, PBM_SETRANGE, 0, MAKELPARAM(bar.low, bar.high));
    }
    SendDlgItemMessageA(window_, id, PBM_SETPOS, bar.pos, 0);
    shown = bar;
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
    Paint();
}

void ClWinProgressWindow::Close() {
    if (!window_) return;
    Paint();
    ShowWindow(window_, SW_HIDE);
}

VkWindow ClWinProgressWindow::Window() {
    // The owner of a message box shows where the work stood.
    Paint();
    return AsWindow(window_);
}

std::unique_ptr<ClProgressWindow> ClWinProgressWindowFactory::Create() {
    return std::make_unique<ClWinProgressWindow>();
}
