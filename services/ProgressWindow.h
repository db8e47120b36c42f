#pragma once
// The progress window "集計中" (resource 131) as a platform window: what the
// progress logic draws on (ClProgressView) plus its life as a window.
// Implemented by platform/posix/ConsoleProgressWindow.cpp and
// platform/win32/WinProgressWindow.cpp; passed in: app/main hands the factory
// to ClExportApp in StAPPSERVICES.
#include <memory>

#include "common/ProgressDlg.h"
#include "common/Window.h"

class ClProgressWindow : public ClProgressView {
public:
    virtual void SetParent(VkWindow parent) = 0;
    virtual void Show() = 0;
    // Hides the window; the final state it shows is drawn first.
    virtual void Close() = 0;
    // The window as an owner of message boxes.
    virtual VkWindow Window() = 0;
};

class ClProgressWindowFactory {
public:
    virtual ~ClProgressWindowFactory() = default;
    // A new window, created modeless, without parent, not yet shown; never
    // null. Destroying the object destroys the window.
    virtual std::unique_ptr<ClProgressWindow> Create() = 0;
};
