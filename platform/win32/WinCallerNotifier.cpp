#include "platform/win32/WinCallerNotifier.h"

#include "platform/win32/WinApi.h"

namespace {
HWND Handle(VkWindow window) { return reinterpret_cast<HWND>(window); }
}  // namespace

bool ClWinCallerNotifier::IsCallerWindow(VkWindow caller) { return IsWindow(Handle(caller)) != FALSE; }

void ClWinCallerNotifier::Disable(VkWindow caller) {
    if (IsCallerWindow(caller)) EnableWindow(Handle(caller), FALSE);
}

void ClWinCallerNotifier::Enable(VkWindow caller) {
    if (!IsCallerWindow(caller)) return;
    SetForegroundWindow(Handle(caller));
    EnableWindow(Handle(caller), TRUE);
}

void ClWinCallerNotifier::Post(VkWindow caller, std::uint32_t message, std::intptr_t wParam, std::intptr_t lParam) {
    // A null window would make the notice a message of this program's own thread.
    if (!IsCallerWindow(caller)) return;
    PostMessageA(Handle(caller), message, static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam));
}
