#include "platform/win32/WinConditionView.h"

#include <commdlg.h>

#include <vector>

#include "common/Sjis.h"
#include "platform/win32/WinDialog.h"

ClWinConditionView::~ClWinConditionView() {
    if (window_) DestroyWindow(window_);
}

int ClWinConditionView::RunModal(ClConditionEvents& events) {
    events_ = &events;
    ended_ = false;
    result_ = kIdCancel;
    // Modal to the parent: disabled while the dialog runs, unless it already was.
    const bool disableParent = parent_ && IsWindowEnabled(parent_);
    if (disableParent) EnableWindow(parent_, FALSE);

    // WM_INITDIALOG runs OnInitDialog, which may already end the dialog.
    window_ = CreateDialogParamA(ResourceModule(), MAKEINTRESOURCEA(IDD_CONDITIONS), parent_, DialogProc,
                                 reinterpret_cast<LPARAM>(this));
    if (!window_) ended_ = true;  // no window: nothing was chosen

    MSG msg;
    while (!ended_) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // for the loop outside
            break;
        }
        if (got < 0) break;
        if (PreTranslate(msg)) continue;
        if (IsDialogMessageA(window_, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }

    if (disableParent) EnableWindow(parent_, TRUE);
    if (window_) {
        ShowWindow(window_, SW_HIDE);
        if (parent_) SetActiveWindow(parent_);
        DestroyWindow(window_);
        window_ = nullptr;
    }
    events_ = nullptr;
    return result_;
}

bool ClWinConditionView::PreTranslate(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || !window_ || (msg.hwnd != window_ && !IsChild(window_, msg.hwnd))) return false;
    StKEYMSG key;
    key.keyDown = true;
    key.key = static_cast<int>(msg.wParam);
    key.shift = GetKeyState(VK_SHIFT) < 0;
    key.ctrl = GetKeyState(VK_CONTROL) < 0;
    key.alt = GetKeyState(VK_MENU) < 0;
    return events_->PreTranslateMessage(key);
}

INT_PTR CALLBACK ClWinConditionView::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        auto* self = reinterpret_cast<ClWinConditionView*>(lParam);
        self->window_ = window;
        CenterDialog(window);
    }
    auto* self = reinterpret_cast<ClWinConditionView*>(GetWindowLongPtrA(window, DWLP_USER));
    return self && self->events_ ? self->Handle(message, wParam) : FALSE;
}

INT_PTR ClWinConditionView::Handle(UINT message, WPARAM wParam) {
    switch (message) {
        case WM_INITDIALOG:
            return events_->OnInitDialog() ? TRUE : FALSE;
        case WM_CLOSE:  // the close box
            events_->OnCancel();
            return TRUE;
        case WM_COMMAND:
            if (HIWORD(wParam) != BN_CLICKED) return FALSE;
            switch (LOWORD(wParam)) {
                case ctl::kBrowseButton:
                    events_->OnBrowse();
                    return TRUE;
                case ctl::kExecuteButton:
                    events_->OnExecute();
                    return TRUE;
                case ctl::kCancelButton:
                case IDCANCEL:  // Esc
                    events_->OnCancel();
                    return TRUE;
                default:
                    // Enter with no button to press: nothing happens. The
                    // path is only ever taken through Execute's checks.
                    return LOWORD(wParam) == IDOK ? TRUE : FALSE;
            }
        default:
            return FALSE;
    }
}

void ClWinConditionView::EndDialog(int result) {
    result_ = result;
    ended_ = true;
}

VkWindow ClWinConditionView::Window() { return AsWindow(window_); }

void ClWinConditionView::SetText(int id, const std::string& text) { SetDlgItemTextA(window_, id, text.c_str()); }

std::string ClWinConditionView::GetText(int id) {
    HWND item = Item(id);
    if (!item) return {};
    std::vector<char> text(static_cast<std::size_t>(GetWindowTextLengthA(item)) + 1, '\0');
    const int n = GetWindowTextA(item, text.data(), static_cast<int>(text.size()));
    return std::string(text.data(), n > 0 ? static_cast<std::size_t>(n) : 0);
}

void ClWinConditionView::SetCheck(int id, bool checked) {
    CheckDlgButton(window_, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

bool ClWinConditionView::GetCheck(int id) { return IsDlgButtonChecked(window_, id) == BST_CHECKED; }

void ClWinConditionView::Enable(int id, bool enabled) {
    if (HWND item = Item(id)) EnableWindow(item, enabled ? TRUE : FALSE);
}

bool ClWinConditionView::IsEnabled(int id) {
    HWND item = Item(id);
    return item && IsWindowEnabled(item);
}

void ClWinConditionView::SetFocus(int id) {
    if (HWND item = Item(id)) ::SetFocus(item);
}

int ClWinConditionView::GetFocus() {
    HWND focus = ::GetFocus();
    return focus && window_ && IsChild(window_, focus) ? GetDlgCtrlID(focus) : 0;
}

void ClWinConditionView::SelectAllText(int id) {
    SendDlgItemMessageA(window_, id, EM_SETSEL, 0, -1);
    SendDlgItemMessageA(window_, id, EM_SCROLLCARET, 0, 0);
}

void ClWinConditionView::LimitText(int id, int bytes) {
    SendDlgItemMessageA(window_, id, EM_LIMITTEXT, static_cast<WPARAM>(bytes), 0);
}

bool ClWinConditionView::BrowseSaveFile(const StSAVEFILEREQUEST& request, std::string& path) {
    // The filter's "|" separators become the NULs the dialog reads.
    std::string filter = request.filter;
    for (char& c : filter) {
        if (c == '|') c = '\0';
    }
    filter.push_back('\0');
    char file[MAX_PATH] = {};
    request.fileName.copy(file, sjis::CutLength(request.fileName, sizeof file - 1));

    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = window_;
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof file;
    ofn.lpstrInitialDir = request.folder.empty() ? nullptr : request.folder.c_str();
    ofn.lpstrTitle = request.title.c_str();
    ofn.lpstrDefExt = request.defaultExt.c_str();
    ofn.Flags = request.flags | OFN_EXPLORER;
    if (!GetSaveFileNameA(&ofn)) return false;
    path = file;
    return true;
}
