#include "platform/posix/FdCallerNotifier.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <ostream>
#include <string>

#include "platform/posix/PatientWrite.h"

// Only a descriptor open for writing when first used hears of the run.
TEST(FdCallerNotifier, DropsNoticesForAnythingElse) {
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    ClFdCallerNotifier caller;
    caller.Disable(static_cast<VkWindow>(fds[0]));  // open for reading only
    caller.Disable(1);                              // standard output
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

namespace {

// A pipe whose buffer is full; the read end first.
void FullPipe(int (&fds)[2]) {
    ASSERT_EQ(::pipe(fds), 0);
    const int flags = ::fcntl(fds[1], F_GETFL);
    ::fcntl(fds[1], F_SETFL, flags | O_NONBLOCK);
    const std::string block(4096, 'x');
    while (::write(fds[1], block.data(), block.size()) > 0) {
    }
    ::fcntl(fds[1], F_SETFL, flags);
}

std::string Drain(int fd) {
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    std::string all;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;) all.append(buffer, static_cast<std::size_t>(n));
    return all;
}

}  // namespace

// Neither a caller that reads nothing nor a terminal that stays full holds up
// the run; what could not be written is dropped, and later lines still come.
TEST(FdCallerNotifier, AFullDescriptorDropsTheLineWithoutBlocking) {
    int fds[2];
    FullPipe(fds);
    ClFdCallerNotifier caller;
    caller.Disable(static_cast<VkWindow>(fds[1]));        // a blocking write would never return
    EXPECT_FALSE(::fcntl(fds[1], F_GETFL) & O_NONBLOCK);  // the caller's mode is put back
    EXPECT_EQ(Drain(fds[0]).find('d'), std::string::npos);
    caller.Enable(static_cast<VkWindow>(fds[1]));
    EXPECT_EQ(Drain(fds[0]), "enable\n");

    ::close(fds[0]);
    ::close(fds[1]);
    FullPipe(fds);
    ::fcntl(fds[1], F_SETFL, ::fcntl(fds[1], F_GETFL) | O_NONBLOCK);  // as a non-blocking terminal
    ClPatientOutBuf buffer(fds[1], 50);
    std::ostream out(&buffer);
    out << "lost\n" << std::flush;
    EXPECT_TRUE(out.good());
    EXPECT_EQ(Drain(fds[0]).find('l'), std::string::npos);
    out << "shown\n" << std::flush;
    EXPECT_EQ(Drain(fds[0]), "shown\n");
    ::close(fds[0]);
    ::close(fds[1]);
}
