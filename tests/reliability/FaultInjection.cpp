// LD_PRELOAD library that makes one chosen file-system call of a program fail.
//
//   ORBEK_FAULT_PATHS  colon-separated folders; only calls on paths below them
//                      (and on descriptors opened from them) are counted
//   ORBEK_FAULT_AT     the number of the counted call that fails (from 1); none when unset
//   ORBEK_FAULT_ERRNO  ENOSPC, EIO (the default) or EACCES
//   ORBEK_FAULT_LOG    file that gets one line per counted call: "number op path"
//   ORBEK_FAULT_ALSO   "N:ERRNO": call N fails too, with that error (to bring
//                      about a situation, such as a folder that refuses new files)
//   ORBEK_FAULT_SIGNAL TERM, INT or HUP: at the chosen call that signal is
//                      raised instead, and the call then goes on as it would
//
// The calls counted are listed once, below, by the kind of call they are
// logged as (open, access, stat, lock, truncate, chmod, read, write, fsync,
// close, rename, mkdir, rmdir, unlink, readlink, statvfs): those that the
// program and the libraries it loads import (nm -D --undefined-only). A
// failing close still closes the descriptor, as the kernel does; every other
// failing call does nothing.
#include <dlfcn.h>
#include <fcntl.h>
#include <stdarg.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
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
    long alsoAt = 0;
    int alsoError = EIO;
    int signal = 0;
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

using WriteFn = ssize_t (*)(int, const void*, size_t);
using OpenAtFn = int (*)(int, const char*, int, ...);

int ErrorByName(const char* name) {
    if (!name) return EIO;
    if (std::strcmp(name, "ENOSPC") == 0) return ENOSPC;
    if (std::strcmp(name, "EACCES") == 0) return EACCES;
    return EIO;
}

int SignalByName(const char* name) {
    if (!name) return 0;
    if (std::strcmp(name, "TERM") == 0) return SIGTERM;
    if (std::strcmp(name, "INT") == 0) return SIGINT;
    return std::strcmp(name, "HUP") == 0 ? SIGHUP : 0;
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
    config.signal = SignalByName(std::getenv("ORBEK_FAULT_SIGNAL"));
    if (const char* also = std::getenv("ORBEK_FAULT_ALSO")) {
        config.alsoAt = std::atol(also);
        if (const char* colon = std::strchr(also, ':')) config.alsoError = ErrorByName(colon + 1);
    }
    if (const char* log = std::getenv("ORBEK_FAULT_LOG")) {
        config.logFd = Real<OpenAtFn>("openat")(AT_FDCWD, log, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
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
        if (len > 0) Real<WriteFn>("write")(config.logFd, line, static_cast<size_t>(len));
    }
    if (number == config.alsoAt) return errno = config.alsoError, true;
    if (number != config.failAt) return false;
    if (config.signal) return ::raise(config.signal), false;
    errno = config.error;
    return true;
}

bool FailPath(const char* op, int dirfd, const char* path) {
    char absolute[kPathMax];
    Absolute(dirfd, path, absolute);
    return Watched(absolute) && Count(op, absolute);
}

bool FailFd(const char* op, int fd) { return fd >= 0 && fd < kMaxFds && trackedFd[fd] && Count(op, fdPath[fd]); }

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

// Both forms of open come here; on 64-bit systems open is openat.
int Opened(int dirfd, const char* path, int flags, mode_t mode) {
    if (FailPath("open", dirfd, path)) return -1;
    static const auto real = Real<OpenAtFn>("openat");
    const int fd = real(dirfd, path, flags, mode);
    Track(fd, dirfd, path);
    return fd;
}

}  // namespace

// The calls on a path: name, kind, result, parameters, arguments, the folder
// descriptor and the path it takes.
#define ORBEK_PATH_CALLS(X)                                                                    \
    X(access, "access", int, (const char* p, int m), (p, m), AT_FDCWD, p)                      \
    X(stat, "stat", int, (const char* p, struct stat* s), (p, s), AT_FDCWD, p)                 \
    X(lstat, "stat", int, (const char* p, struct stat* s), (p, s), AT_FDCWD, p)                \
    X(fstatat, "stat", int, (int d, const char* p, struct stat* s, int f), (d, p, s, f), d, p) \
    X(statvfs, "statvfs", int, (const char* p, struct statvfs* s), (p, s), AT_FDCWD, p)        \
    X(truncate, "truncate", int, (const char* p, off_t n), (p, n), AT_FDCWD, p)                \
    X(fchmodat, "chmod", int, (int d, const char* p, mode_t m, int f), (d, p, m, f), d, p)     \
    X(mkdir, "mkdir", int, (const char* p, mode_t m), (p, m), AT_FDCWD, p)                     \
    X(rmdir, "rmdir", int, (const char* p), (p), AT_FDCWD, p)                                  \
    X(unlink, "unlink", int, (const char* p), (p), AT_FDCWD, p)                                \
    X(unlinkat, "unlink", int, (int d, const char* p, int f), (d, p, f), d, p)                 \
    X(readlink, "readlink", ssize_t, (const char* p, char* b, size_t n), (p, b, n), AT_FDCWD, p)

// The calls on a descriptor opened from a watched path: name, kind, result,
// parameters, arguments and the descriptor.
#define ORBEK_FD_CALLS(X)                                                         \
    X(read, "read", ssize_t, (int fd, void* b, size_t n), (fd, b, n), fd)         \
    X(write, "write", ssize_t, (int fd, const void* b, size_t n), (fd, b, n), fd) \
    X(fsync, "fsync", int, (int fd), (fd), fd)                                    \
    X(fstat, "stat", int, (int fd, struct stat* s), (fd, s), fd)                  \
    X(fstat64, "stat", int, (int fd, struct stat64* s), (fd, s), fd)              \
    X(flock, "lock", int, (int fd, int op), (fd, op), fd)                         \
    X(ftruncate, "truncate", int, (int fd, off_t n), (fd, n), fd)                 \
    X(fchmod, "chmod", int, (int fd, mode_t m), (fd, m), fd)

#define ORBEK_PATH_CALL(name, op, Result, params, args, dirfd, path) \
    Result name params {                                             \
        if (FailPath(op, dirfd, path)) return -1;                    \
        static const auto real = Real<Result(*) params>(#name);      \
        return real args;                                            \
    }
#define ORBEK_FD_CALL(name, op, Result, params, args, fd)       \
    Result name params {                                        \
        if (FailFd(op, fd)) return -1;                          \
        static const auto real = Real<Result(*) params>(#name); \
        return real args;                                       \
    }
// The forms of open with a mode after the flags: one definition.
#define ORBEK_OPEN_CALL(name, dirfd, ...)         \
    int name(__VA_ARGS__, int flags, ...) {       \
        va_list args;                             \
        va_start(args, flags);                    \
        const mode_t mode = ModeArg(flags, args); \
        va_end(args);                             \
        return Opened(dirfd, path, flags, mode);  \
    }

extern "C" {

ORBEK_PATH_CALLS(ORBEK_PATH_CALL)
ORBEK_FD_CALLS(ORBEK_FD_CALL)

ORBEK_OPEN_CALL(open, AT_FDCWD, const char* path)
ORBEK_OPEN_CALL(openat, dirfd, int dirfd, const char* path)

int close(int fd) {
    const bool fail = FailFd("close", fd);
    if (fd >= 0 && fd < kMaxFds) trackedFd[fd] = false;
    static const auto real = Real<int (*)(int)>("close");
    const int result = real(fd);
    if (!fail) return result;
    errno = config.error;
    return -1;
}

int rename(const char* from, const char* to) {
    if (FailRename(AT_FDCWD, from, AT_FDCWD, to)) return -1;
    return Real<int (*)(const char*, const char*)>("rename")(from, to);
}
}  // extern "C"
