#include "platform/posix/FdCallerNotifier.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

// Only a descriptor open for writing when first used hears of the run.
TEST(FdCallerNotifier, DropsNoticesForAnythingElse) {
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    ClFdCallerNotifier caller;
    caller.Disable(static_cast<VkWindow>(fds[0]));  // open for reading only
    caller.Disable(1);                               // standard output
    caller.Disable(static_cast<VkWindow>(-5));
    constexpr int kLater = 900;  // not open at first use, opened later
    ASSERT_EQ(::fcntl(kLater, F_GETFL), -1);
    caller.Disable(kLater);
    ASSERT_EQ(::dup2(fds[1], kLater), kLater);
    caller.Post(kLater, 1, 1, 1);
    ::close(kLater);
    ::close(fds[1]);
    char buffer[16];
    EXPECT_EQ(::read(fds[0], buffer, sizeof buffer), 0);
    ::close(fds[0]);
}
