#pragma once
// Shared by the program's two dialogs: resource ids and the module that
// holds the templates.
#include "platform/win32/WinApi.h"

#include "common/Window.h"
#include "resources/ResourceIds.h"

// The module whose resources hold the dialog templates (the program).
HINSTANCE ResourceModule();

// Centres a dialog on its owner, or on the screen when it has none, as the
// framework does for dialogs that do not place themselves.
void CenterDialog(HWND dialog);

inline HWND AsHandle(VkWindow window) { return reinterpret_cast<HWND>(window); }
inline VkWindow AsWindow(HWND handle) { return reinterpret_cast<VkWindow>(handle); }
