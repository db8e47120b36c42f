#pragma once
// The wait cursor shown while the program works (the framework's
// BeginWaitCursor / RestoreWaitCursor / EndWaitCursor). A console has none.
class ClWaitCursor {
public:
    virtual ~ClWaitCursor() = default;
    virtual void Begin() = 0;
    // Shows it again after something (a message box) changed the cursor.
    virtual void Restore() = 0;
    virtual void End() = 0;
};
