#pragma once
// The accounting application that started the program: its window is kept
// disabled during the run and gets the completion notice at the end. On
// Windows the window is a handle; on POSIX it is a file descriptor the caller
// opened for writing, and each call writes one line to it. A window that is
// not there drops the call silently.
// Implemented by platform/posix/FdCallerNotifier.cpp and
// platform/win32/WinCallerNotifier.cpp; passed in: app/main makes one and hands
// it to ClExportApp in StAPPSERVICES.
#include <cstdint>

#include "common/Window.h"

class ClCallerNotifier {
public:
    virtual ~ClCallerNotifier() = default;
    // True when caller is there to own the program's windows and take the
    // notices (a window; on POSIX a descriptor open for writing).
    virtual bool IsCallerWindow(VkWindow caller) = 0;
    virtual void Disable(VkWindow caller) = 0;
    // Brings the caller to the foreground and enables it again.
    virtual void Enable(VkWindow caller) = 0;
    // Posts message with its two parameters (PostMessage).
    virtual void Post(VkWindow caller, std::uint32_t message, std::intptr_t wParam, std::intptr_t lParam) = 0;
};
