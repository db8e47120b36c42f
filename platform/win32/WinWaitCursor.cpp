#include "platform/win32/WinWaitCursor.h"

#include "platform/win32/WinApi.h"

void ClWinWaitCursor::Begin() { SetCursor(LoadCursorA(nullptr, IDC_WAIT)); }

void ClWinWaitCursor::Restore() { SetCursor(LoadCursorA(nullptr, IDC_WAIT)); }

void ClWinWaitCursor::End() { SetCursor(LoadCursorA(nullptr, IDC_ARROW)); }
