#pragma once
// Writing to descriptors that belong to someone else (the caller's notice
// channel, the terminal): a full one is waited for a while, never for ever.
#include <cstddef>
#include <streambuf>

// Writes size bytes to fd, retrying after EINTR and waiting for room after
// EAGAIN, for at most waitMs in all. False when they could not all be written.
bool WriteWithin(int fd, const char* data, std::size_t size, int waitMs);

// An output stream buffer on a descriptor whose failures are dropped text,
// never a stream gone bad: one failed write must not silence the lines after it.
class ClPatientOutBuf final : public std::streambuf {
public:
    ClPatientOutBuf(int fd, int waitMs) : fd_(fd), waitMs_(waitMs) { setp(buffer_, buffer_ + sizeof buffer_); }
    ~ClPatientOutBuf() override { sync(); }
    ClPatientOutBuf(const ClPatientOutBuf&) = delete;
    ClPatientOutBuf& operator=(const ClPatientOutBuf&) = delete;

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    int fd_;
    int waitMs_;
    char buffer_[4096];
};
