#include "platform/win32/WinCallerNotifier.h"

#include "platform/win32/WinApi.h"

namespace {
HWND Handle(VkWindow window) { return reinterpret_cast<HWND>(window); }
}  // namespace

void ClWinCallerNotifier::Disable(VkWindow caller) { EnableWindow(Handle(caller), FALSE); }

void ClWinCallerNotifier::Enable(VkWindow caller) {
    SetForegroundWindow(Handle(caller));
    EnableWindow(Handle(caller), TRUE);
}

void ClWinCallerNotifier::Post(VkWindow caller, std::uint32_t message, std::intptr_t wParam,
                               std::intptr_t lParam) {
    PostMessageA(Handle(caller), message, static_cast<WPARAM>(wParam),
                 static_cast<LPARAM>(lParam));
}
