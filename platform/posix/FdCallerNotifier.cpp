#include "platform/posix/FdCallerNotifier.h"

#include <fcntl.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstring>

#include "platform/posix/PatientWrite.h"

namespace {
constexpr int kNoticeWaitMs = 1000;
}  // namespace

void ClFdCallerNotifier::Disable(VkWindow caller) { Notice(caller, "disable\n"); }

void ClFdCallerNotifier::Enable(VkWindow caller) { Notice(caller, "enable\n"); }

void ClFdCallerNotifier::Post(VkWindow caller, std::uint32_t message, std::intptr_t wParam, std::intptr_t lParam) {
    char line[96];
    std::snprintf(line, sizeof line, "post %u %lld %lld\n", message, static_cast<long long>(wParam),
                  static_cast<long long>(lParam));
    Notice(caller, line);
}

bool ClFdCallerNotifier::IsCallersDescriptor(VkWindow caller) {
    auto known = usable_.find(caller);
    if (known != usable_.end()) return known->second;
    bool usable = false;
    // Standard input, output and error are never the caller's notice channel.
    if (caller >= 3 && caller <= static_cast<VkWindow>(INT_MAX)) {
        const int flags = ::fcntl(static_cast<int>(caller), F_GETFL);
        usable = flags != -1 && (flags & O_ACCMODE) != O_RDONLY;
    }
    usable_[caller] = usable;
    return usable;
}

// A caller that reads nothing must not hold up the run: the notice is
// written without blocking, waited for briefly and then dropped, as a window
// message that cannot be delivered is. The descriptor's own mode is put back.
void ClFdCallerNotifier::Notice(VkWindow caller, const char* line) {
    if (!IsCallersDescriptor(caller)) return;
    const int fd = static_cast<int>(caller);
    const int flags = ::fcntl(fd, F_GETFL);
    const bool blocking = flags != -1 && !(flags & O_NONBLOCK);
    if (blocking) ::fcntl(fd, F_SETFL, flags | O_NONBLOCK);
    (void)WriteWithin(fd, line, std::strlen(line), kNoticeWaitMs);  // a caller gone away hears nothing more
    if (blocking) ::fcntl(fd, F_SETFL, flags);
}
