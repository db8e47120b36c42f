#include "platform/posix/FollowLinks.h"

#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {
constexpr int kMaxLinkHops = 40;  // as the kernel allows
}  // namespace

std::string FolderOf(const std::string& path) {
    std::string::size_type slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

bool FollowLinks(std::string& path) {
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0) return errno == ENOENT;  // nothing there yet
        if (!S_ISLNK(st.st_mode)) return true;
        char link[PATH_MAX];
        const ssize_t n = ::readlink(path.c_str(), link, sizeof link);
        if (n <= 0 || static_cast<std::size_t>(n) == sizeof link) return false;
        const std::string named(link, static_cast<std::size_t>(n));
        path = named[0] == '/' ? named : FolderOf(path) + "/" + named;
    }
    return false;
}
