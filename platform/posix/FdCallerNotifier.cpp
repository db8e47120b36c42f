#include "platform/posix/FdCallerNotifier.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>

void ClFdCallerNotifier::Disable(VkWindow caller) { Notice(caller, "disable\n"); }

void ClFdCallerNotifier::Enable(VkWindow caller) { Notice(caller, "enable\n"); }

void ClFdCallerNotifier::Post(VkWindow caller, std::uint32_t message, std::intptr_t wParam,
                              std::intptr_t lParam) {
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

void ClFdCallerNotifier::Notice(VkWindow caller, const char* line) {
    if (!IsCallersDescriptor(caller)) return;
    const int fd = static_cast<int>(caller);
    std::size_t left = std::strlen(line);
    while (left > 0) {
        const ssize_t n = ::write(fd, line, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;  // the caller went away: nothing more to tell
        line += n;
        left -= static_cast<std::size_t>(n);
    }
}
