#pragma once
// The wait cursor shown while the program works (the framework's
// BeginWaitCursor / RestoreWaitCursor / EndWaitCursor). A console has none.
// Implemented by platform/posix/PosixFileSystem.h (ClNoWaitCursor) and
// platform/win32/WinWaitCursor.cpp; passed in: app/main hands one to
// ClExportApp in StAPPSERVICES.
class ClWaitCursor {
public:
    virtual ~ClWaitCursor() = default;
    virtual void Begin() = 0;
    // Shows it again after something (a message box) changed the cursor.
    virtual void Restore() = 0;
    virtual void End() = 0;
};
