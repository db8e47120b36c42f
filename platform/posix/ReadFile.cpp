#include "services/ReadFile.h"

#include <unistd.h>

#include <cerrno>
#include <optional>
#include <string>

#include "platform/posix/RegularFile.h"
#include "services/CodePage.h"

long ReadFileHead(const char* path, void* buffer, std::size_t size) {
    if (!path || !buffer) return -1;
    std::optional<std::string> utf8 = SjisToUtf8(path);
    if (!utf8) return -1;
    const int fd = OpenRegularFile(*utf8);
    if (fd < 0) return -1;
    auto* bytes = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < size) {
        ssize_t n = ::read(fd, bytes + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            return -1;
        }
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    return static_cast<long>(done);
}
