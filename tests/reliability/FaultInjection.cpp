// LD_PRELOAD library that makes one chosen file-system call of a program fail.
//
//   ORBEK_FAULT_PATHS  colon-separated folders; only calls on paths below them
//                      (and on descriptors opened from them) are counted
//   ORBEK_FAULT_AT     the number of the counted call that fails (from 1); none when unset
//   ORBEK_FAULT_ERRNO  ENOSPC, EIO (the default) or EACCES
//   ORBEK_FAULT_LOG    file that gets one line per counted call: "number op path"
//
// Counted calls: open, write, fsync, close, rename, read, mkdir, unlink (with
// their *at, 64 and fortified forms). A failing close still closes the
// descriptor, as the kernel does; every other failing call does nothing.
#include <dlfcn.h>
#include <fcntl.h>
#include <stdarg.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kMaxFds = 4096;
constexpr int kMaxPrefixes = 8;
constexpr std::size_t kPathMax = 1024;

struct StFAULTCONFIG {
    char prefixes[kMaxPrefixes][kPathMax] = {};
    int prefixCount = 0;
    long failAt = 0;
    int error = EIO;
    int logFd = -1;
};

StFAULTCONFIG config;
std::atomic<long> counted{0};
bool trackedFd[kMaxFds] = {};
char fdPath[kMaxFds][kPathMax] = {};

template <typename F>
F Real(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

int ErrorByName(const char* name) {
    if (!name) return EIO;
    if (std::strcmp(name, "ENOSPC") == 0) return ENOSPC;
    if (std::strcmp(name, "EACCES") == 0) return EACCES;
    return EIO;
}

__attribute__((constructor)) void ReadConfig() {
    if (const char* paths = std::getenv("ORBEK_FAULT_PATHS")) {
        const char* at = paths;
        while (*at && config.prefixCount < kMaxPrefixes) {
            const char* end = std::strchr(at, ':');
            const std::size_t len = end ? static_cast<std::size_t>(end - at) : std::strlen(at);
            if (len > 0 && len < kPathMax) {
                std::memcpy(config.prefixes[config.prefixCount++], at, len);
            }
            at += len + (end ? 1 : 0);
        }
    }
    if (const char* n = std::getenv("ORBEK_FAULT_AT")) config.failAt = std::atol(n);
    config.error = ErrorByName(std::getenv("ORBEK_FAULT_ERRNO"));
    if (const char* log = std::getenv("ORBEK_FAULT_LOG")) {
        using OpenFn = int (*)(const char*, int, ...);
        config.logFd = Real<OpenFn>("open")(log, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    }
}

// The absolute form of path (relative to dirfd's folder only for AT_FDCWD).
void Absolute(int dirfd, const char* path, char (&out)[kPathMax]) {
    out[0] = '\0';
    if (!path) return;
    if (path[0] == '/' || dirfd != AT_FDCWD) {
        std::snprintf(out, kPathMax, "%s", path);
        return;
    }
    if (!::getcwd(out, kPathMax)) out[0] = '\0';
    const std::size_t len = std::strlen(out);
    std::snprintf(out + len, kPathMax - len, "/%s", path);
}

bool Watched(const char* absolute) {
    for (int i = 0; i < config.prefixCount; ++i) {
        const std::size_t len = std::strlen(config.prefixes[i]);
        if (std::strncmp(absolute, config.prefixes[i], len) == 0 &&
            (absolute[len] == '/' || absolute[len] == '\0' || config.prefixes[i][len - 1] == '/')) {
            return true;
        }
    }
    return false;
}

// Counts a call on a watched path; true when this is the one that fails.
bool Count(const char* op, const char* path) {
    const long number = ++counted;
    if (config.logFd >= 0) {
        char line[kPathMax + 64];
        const int len = std::snprintf(line, sizeof line, "%ld %s %s\n", number, op, path);
        using WriteFn = ssize_t (*)(int, const void*, size_t);
        if (len > 0) Real<WriteFn>("write")(config.logFd, line, static_cast<size_t>(len));
    }
    if (number != config.failAt) return false;
    errno = config.error;
    return true;
}

bool FailPath(const char* op, int dirfd, const char* path) {
    char absolute[kPathMax];
    Absolute(dirfd, path, absolute);
    return Watched(absolute) && Count(op, absolute);
}

bool FailFd(const char* op, int fd) {
    return fd >= 0 && fd < kMaxFds && trackedFd[fd] && Count(op, fdPath[fd]);
}

// A rename counts when either name is watched; it is logged by its target.
bool FailRename(int fromDir, const char* from, int toDir, const char* to) {
    char source[kPathMax];
    char target[kPathMax];
    Absolute(fromDir, from, source);
    Absolute(toDir, to, target);
    return (Watched(source) || Watched(target)) && Count("rename", target);
}

void Track(int fd, int dirfd, const char* path) {
    if (fd < 0 || fd >= kMaxFds) return;
    char absolute[kPathMax];
    Absolute(dirfd, path, absolute);
    trackedFd[fd] = Watched(absolute);
    if (trackedFd[fd]) std::memcpy(fdPath[fd], absolute, kPathMax);
}

mode_t ModeArg(int flags, va_list args) {
    return (flags & (O_CREAT | O_TMPFILE)) ? static_cast<mode_t>(va_arg(args, int)) : 0;
}

int OpenAt(const char* name, int dirfd, const char* path, int flags, mode_t mode) {
    if (FailPath("open", dirfd, path)) return -1;
    using OpenAtFn = int (*)(int, const char*, int, ...);
    const int fd = Real<OpenAtFn>(name)(dirfd, path, flags, mode);
    Track(fd, dirfd, path);
    return fd;
}

int Open(const char* name, const char* path, int flags, mode_t mode) {
    if (FailPath("open", AT_FDCWD, path)) return -1;
    using OpenFn = int (*)(const char*, int, ...);
    const int fd = Real<OpenFn>(name)(path, flags, mode);
    Track(fd, AT_FDCWD, path);
    return fd;
}

}  // namespace

extern "C" {

int open(const char* path, int flags, ...) {
    va_list args;
    va_start(args, flags);
    const mode_t mode = ModeArg(flags, args);
    va_end(args);
    return Open("open", path, flags, mode);
}
int open64(const char* path, int flags, ...) {
    va_list args;
    va_start(args, flags);
    const mode_t mode = ModeArg(flags, args);
    va_end(args);
    return Open("open64", path, flags, mode);
}
int __open_2(const char* path, int flags) { return Open("open", path, flags, 0); }
int __open64_2(const char* path, int flags) { return Open("open64", path, flags, 0); }
int openat(int dirfd, const char* path, int flags, ...) {
    va_list args;
    va_start(args, flags);
    const mode_t mode = ModeArg(flags, args);
    va_end(args);
    return OpenAt("openat", dirfd, path, flags, mode);
}
int openat64(int dirfd, const char* path, int flags, ...) {
    va_list args;
    va_start(args, flags);
    const mode_t mode = ModeArg(flags, args);
    va_end(args);
    return OpenAt("openat64", dirfd, path, flags, mode);
}
int creat(const char* path, mode_t mode) { return Open("open", path, O_CREAT | O_WRONLY | O_TRUNC, mode); }
int creat64(const char* path, mode_t mode) { return Open("open64", path, O_CREAT | O_WRONLY | O_TRUNC, mode); }

ssize_t write(int fd, const void* data, size_t size) {
    if (FailFd("write", fd)) return -1;
    return Real<ssize_t (*)(int, const void*, size_t)>("write")(fd, data, size);
}
ssize_t read(int fd, void* data, size_t size) {
    if (FailFd("read", fd)) return -1;
    return Real<ssize_t (*)(int, void*, size_t)>("read")(fd, data, size);
}
int fsync(int fd) {
    if (FailFd("fsync", fd)) return -1;
    return Real<int (*)(int)>("fsync")(fd);
}
int fdatasync(int fd) {
    if (FailFd("fsync", fd)) return -1;
    return Real<int (*)(int)>("fdatasync")(fd);
}
int close(int fd) {
    const bool fail = FailFd("close", fd);
    if (fd >= 0 && fd < kMaxFds) trackedFd[fd] = false;
    const int result = Real<int (*)(int)>("close")(fd);
    if (!fail) return result;
    errno = config.error;
    return -1;
}

int rename(const char* from, const char* to) {
    if (FailRename(AT_FDCWD, from, AT_FDCWD, to)) return -1;
    return Real<int (*)(const char*, const char*)>("rename")(from, to);
}
int renameat(int fromDir, const char* from, int toDir, const char* to) {
    if (FailRename(fromDir, from, toDir, to)) return -1;
    return Real<int (*)(int, const char*, int, const char*)>("renameat")(fromDir, from, toDir, to);
}
int renameat2(int fromDir, const char* from, int toDir, const char* to, unsigned flags) {
    if (FailRename(fromDir, from, toDir, to)) return -1;
    return Real<int (*)(int, const char*, int, const char*, unsigned)>("renameat2")(fromDir, from, toDir, to, flags);
}
int mkdir(const char* path, mode_t mode) {
    if (FailPath("mkdir", AT_FDCWD, path)) return -1;
    return Real<int (*)(const char*, mode_t)>("mkdir")(path, mode);
}
int mkdirat(int dirfd, const char* path, mode_t mode) {
    if (FailPath("mkdir", dirfd, path)) return -1;
    return Real<int (*)(int, const char*, mode_t)>("mkdirat")(dirfd, path, mode);
}
int unlink(const char* path) {
    if (FailPath("unlink", AT_FDCWD, path)) return -1;
    return Real<int (*)(const char*)>("unlink")(path);
}
int unlinkat(int dirfd, const char* path, int flags) {
    if (FailPath("unlink", dirfd, path)) return -1;
    return Real<int (*)(int, const char*, int)>("unlinkat")(dirfd, path, flags);
}

}  // extern "C"
