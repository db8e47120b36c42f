#include "platform/posix/TempFiles.h"

#include "common/TempFileName.h"

#include <dirent.h>
#include <pthread.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <random>

#include "platform/posix/FileCalls.h"

namespace {

constexpr StTEMPNAME kTempName{".orbek-", 12, ".tmp"};

// The paths to remove on a terminating signal, copied before they are armed.
// The program has one or two files under way at a time; a file that finds no
// free slot is left to the stale-file sweep.
constexpr int kSlots = 4;
struct StSLOT {
    volatile std::sig_atomic_t armed;
    char path[PATH_MAX];
};
StSLOT slots[kSlots];
constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

extern "C" void RemoveArmedAndEnd(int signal) {
    for (StSLOT& slot : slots) {
        if (slot.armed) ::unlink(slot.path);
    }
    // SA_RESETHAND has restored the default action, which ends the program
    // once the handler returns.
    ::raise(signal);
}

// The ending signals wait while it lives; one that came meanwhile acts
// when it ends. errno is kept for the caller.
class ClEndingSignalsHeld {
public:
    ClEndingSignalsHeld() {
        sigset_t ending;
        sigemptyset(&ending);
        for (int signal : kSignals) sigaddset(&ending, signal);
        ::pthread_sigmask(SIG_BLOCK, &ending, &before_);
    }
    ~ClEndingSignalsHeld() {
        const int error = errno;
        ::pthread_sigmask(SIG_SETMASK, &before_, nullptr);
        errno = error;
    }
    ClEndingSignalsHeld(const ClEndingSignalsHeld&) = delete;
    ClEndingSignalsHeld& operator=(const ClEndingSignalsHeld&) = delete;

private:
    sigset_t before_;
};

void InstallHandlersOnce() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    struct sigaction action {};
    action.sa_handler = RemoveArmedAndEnd;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (int signal : kSignals) sigaddset(&action.sa_mask, signal);
    for (int signal : kSignals) {
        struct sigaction old {};
        if (::sigaction(signal, nullptr, &old) == 0 && old.sa_handler == SIG_DFL && !(old.sa_flags & SA_SIGINFO)) {
            ::sigaction(signal, &action, nullptr);
        }
    }
}

}  // namespace

std::string NewTempFilePath(const std::string& folder) {
    std::random_device seed;  // fresh in every process, forked or not
    std::mt19937_64 generator(seed());
    return folder + "/" + TempFileName(kTempName, generator());
}

void RemoveStaleTempFiles(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        if (!IsTempFileName(kTempName, entry->d_name)) continue;
        struct stat st {};
        if (::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            IsStaleTempFile(S_ISREG(st.st_mode), now - st.st_mtime)) {
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
        }
    }
    ::closedir(dir);
}

int ClTempFileGuard::Create(const std::string& path, unsigned mode) {
    Disarm();
    InstallHandlersOnce();
    const ClEndingSignalsHeld held;
    const int fd = FileCalls().open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, static_cast<mode_t>(mode));
    if (fd >= 0) Arm(path);
    return fd;
}

void ClTempFileGuard::Remove(const std::string& path) {
    const ClEndingSignalsHeld held;  // so the handler never removes the name once it is free again
    ::unlink(path.c_str());
    Disarm();
}

void ClTempFileGuard::Arm(const std::string& path) {
    if (path.size() >= PATH_MAX) return;
    for (int i = 0; i < kSlots; ++i) {
        if (slots[i].armed) continue;
        std::memcpy(slots[i].path, path.c_str(), path.size() + 1);
        // The handler must see the whole path before it sees the slot armed.
        std::atomic_signal_fence(std::memory_order_seq_cst);
        slots[i].armed = 1;
        slot_ = i;
        return;
    }
}

void ClTempFileGuard::Disarm() {
    if (slot_ < 0) return;
    slots[slot_].armed = 0;
    std::atomic_signal_fence(std::memory_order_seq_cst);
    slot_ = -1;
}
