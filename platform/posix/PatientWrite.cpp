#include "platform/posix/PatientWrite.h"

#include <poll.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

namespace {

std::int64_t NowMs() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

}  // namespace

bool WriteWithin(int fd, const char* data, std::size_t size, int waitMs) {
    const std::int64_t deadline = NowMs() + waitMs;
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n > 0) {
            data += n;
            size -= static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK)) return false;
        const std::int64_t left = deadline - NowMs();
        if (left <= 0) return false;
        pollfd room{fd, POLLOUT, 0};
        (void)::poll(&room, 1, static_cast<int>(left));  // woken early or not: write again
    }
    return true;
}

ClPatientOutBuf::int_type ClPatientOutBuf::overflow(int_type c) {
    sync();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int ClPatientOutBuf::sync() {
    // A lasting failure (EIO, a terminal that stays full) drops this text;
    // the run and its result code go on as they would have.
    (void)WriteWithin(fd_, pbase(), static_cast<std::size_t>(pptr() - pbase()), waitMs_);
    setp(buffer_, buffer_ + sizeof buffer_);
    return 0;
}
