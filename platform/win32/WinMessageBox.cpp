#include "platform/win32/WinMessageBox.h"

#include "platform/win32/WinApi.h"

int ClWinMessageBox::Show(VkWindow owner, const char* text, const char* caption, std::uint32_t style) {
    return MessageBoxA(reinterpret_cast<HWND>(owner), text, caption, style);
}
