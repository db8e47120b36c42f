#include "platform/posix/FdCallerNotifier.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

namespace {
std::string Drain(int fd) {
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<std::size_t>(n));
    return text;
}
}  // namespace

TEST(FdCallerNotifier, WritesOneLinePerEventToTheCallersDescriptor) {
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    ClFdCallerNotifier caller;
    const VkWindow window = static_cast<VkWindow>(fds[1]);
    caller.Disable(window);
    caller.Enable(window);
    caller.Post(window, 1234, static_cast<std::intptr_t>(std::int16_t{-2}), 1);
    ::close(fds[1]);
    EXPECT_EQ(Drain(fds[0]), "disable\nenable\npost 1234 -2 1\n");
    ::close(fds[0]);
}

TEST(FdCallerNotifier, DropsNoticesForAnythingElse) {
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    ClFdCallerNotifier caller;
    caller.Disable(static_cast<VkWindow>(fds[0]));  // open for reading only
    caller.Disable(1);                               // standard output
    caller.Disable(static_cast<VkWindow>(-5));
    // Decided at first use: a descriptor that was not open then stays the
    // program's own when it is opened later.
    constexpr int kLater = 900;
    ASSERT_EQ(::fcntl(kLater, F_GETFL), -1);
    caller.Disable(kLater);
    ASSERT_EQ(::dup2(fds[1], kLater), kLater);
    caller.Post(kLater, 1, 1, 1);
    ::close(kLater);
    ::close(fds[1]);
    EXPECT_EQ(Drain(fds[0]), "");
    ::close(fds[0]);
}
