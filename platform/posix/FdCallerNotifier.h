#pragma once
// The caller on POSIX: its "window" is a file descriptor (3 or above) that it
// opened for writing before starting the program. Each event is one line:
// "disable", "enable", "post MESSAGE WPARAM LPARAM". Whether the descriptor
// is the caller's is decided at its first use, before the program opens
// files of its own; one that is not open for writing then drops every notice.
#include <map>

#include "services/CallerNotifier.h"

class ClFdCallerNotifier final : public ClCallerNotifier {
public:
    bool IsCallerWindow(VkWindow caller) override { return IsCallersDescriptor(caller); }
    void Disable(VkWindow caller) override;
    void Enable(VkWindow caller) override;
    void Post(VkWindow caller, std::uint32_t message, std::intptr_t wParam, std::intptr_t lParam) override;

private:
    void Notice(VkWindow caller, const char* line);
    bool IsCallersDescriptor(VkWindow caller);

    std::map<VkWindow, bool> usable_;
};
