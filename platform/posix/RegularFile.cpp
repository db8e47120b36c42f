#include "platform/posix/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

int OpenRegularFile(const std::string& utf8Path, EnReadResult* why) {
    EnReadResult unused;
    EnReadResult& result = why ? *why : unused;
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
    const int fd = ::open(utf8Path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        result = errno == ENOENT ? EnReadResult::NoFile : EnReadResult::Failed;
        return -1;
    }
    struct stat st {};
    const bool examined = ::fstat(fd, &st) == 0;
    if (!examined || !S_ISREG(st.st_mode)) {
        result = examined ? EnReadResult::NoFile : EnReadResult::Failed;
        ::close(fd);
        return -1;
    }
    return fd;
}

EnReadResult ReadRegularFile(const std::string& utf8Path, std::string& content, std::size_t maxSize) {
    EnReadResult result = EnReadResult::Failed;
    const int fd = OpenRegularFile(utf8Path, &result);
    if (fd < 0) return result;
    content.clear();
    result = EnReadResult::Read;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n < 0) result = EnReadResult::Failed;
            break;
        }
        content.append(buffer, static_cast<std::size_t>(n));
        if (content.size() > maxSize) {
            result = EnReadResult::Failed;
            break;
        }
    }
    ::close(fd);
    return result;
}
