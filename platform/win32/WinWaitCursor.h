#pragma once
// The hourglass while the program works. No messages are handled meanwhile,
// so the cursor set here stays until it is changed again.
#include "services/WaitCursor.h"

class ClWinWaitCursor final : public ClWaitCursor {
public:
    void Begin() override;
    void Restore() override;
    void End() override;
};
