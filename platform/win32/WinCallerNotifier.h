#pragma once
// The caller on Windows: a window of the accounting application, disabled
// during the run and sent the completion notice as a posted message.
#include "services/CallerNotifier.h"

class ClWinCallerNotifier final : public ClCallerNotifier {
public:
    bool IsCallerWindow(VkWindow caller) override;
    void Disable(VkWindow caller) override;
    void Enable(VkWindow caller) override;
    void Post(VkWindow caller, std::uint32_t message, std::intptr_t wParam, std::intptr_t lParam) override;
};
