#include "platform/posix/PosixFileSystem.h"

#include <fcntl.h>
#include <sys/file.h>
#include <limits.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <new>
#include <optional>

#include "platform/posix/FollowLinks.h"
#include "platform/posix/RegularFile.h"
#include "services/CodePage.h"
#include "services/OutputFile.h"

namespace {

// The path on disk; none when it has no UTF-8 form, or holds a NUL (every
// system call would see it cut there).
std::optional<std::string> OnDisk(const std::string& path) {
    if (path.empty() || path.find('\0') != std::string::npos) return std::nullopt;
    return SjisToUtf8(path);
}

std::string InProgram(const std::string& utf8) { return Utf8ToSjis(utf8).value_or(std::string()); }

constexpr int kLockPollMs = 20;

class ClFlockLock final : public ClFileLock {
public:
    explicit ClFlockLock(int fd) : fd_(fd) {}
    ~ClFlockLock() override { ::close(fd_); }  // the lock goes with the descriptor
    ClFlockLock(const ClFlockLock&) = delete;
    ClFlockLock& operator=(const ClFlockLock&) = delete;

private:
    int fd_;
};

void SleepMs(int ms) {
    const timespec pause{0, ms * 1000000L};
    ::nanosleep(&pause, nullptr);
}

int AccessBits(int mode) {
    int bits = 0;
    if (mode & accessmode::kRead) bits |= R_OK;
    if (mode & accessmode::kWrite) bits |= W_OK;
    return bits ? bits : F_OK;
}

}  // namespace

std::string ClPosixFileSystem::GetProgramPath() {
    char buffer[PATH_MAX + 1];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, PATH_MAX);
    if (n <= 0) return {};
    return InProgram(std::string(buffer, static_cast<std::size_t>(n)));
}

std::string ClPosixFileSystem::GetCurrentFolder() {
    char buffer[PATH_MAX + 1];
    if (!::getcwd(buffer, sizeof buffer)) return {};
    return InProgram(buffer);
}

bool ClPosixFileSystem::SetCurrentFolder(const std::string& path) {
    auto disk = OnDisk(path);
    return disk && ::chdir(disk->c_str()) == 0;
}

std::string ClPosixFileSystem::GetTempFolder() {
    std::string folder = "/tmp";
    if (const char* tmpdir = std::getenv("TMPDIR"); tmpdir && tmpdir[0] == '/') {
        if (auto converted = Utf8ToSjis(tmpdir)) folder = *converted;
    }
    if (folder.back() != '/') folder += '/';
    return folder;
}

bool ClPosixFileSystem::IsReadOnlyVolume(const std::string& path) {
    auto disk = OnDisk(path);
    if (!disk) return false;
    // A path still to be created lies on the volume of its nearest existing folder.
    std::string probe = *disk;
    struct statvfs volume {};
    while (::statvfs(probe.c_str(), &volume) != 0) {
        if (errno != ENOENT && errno != ENOTDIR) return false;
        const std::size_t slash = probe.find_last_of('/', probe.size() > 1 ? probe.size() - 2 : 0);
        if (slash == std::string::npos) return false;
        probe.resize(slash == 0 ? 1 : slash);
    }
    return (volume.f_flag & ST_RDONLY) != 0;
}

bool ClPosixFileSystem::Access(const std::string& path, int mode) {
    auto disk = OnDisk(path);
    return disk && ::access(disk->c_str(), AccessBits(mode)) == 0;
}

bool ClPosixFileSystem::TakesNewFiles(const std::string& folder) {
    auto disk = OnDisk(folder);
    return disk && ::access(disk->c_str(), W_OK | X_OK) == 0;
}

bool ClPosixFileSystem::IsFolder(const std::string& path) {
    auto disk = OnDisk(path);
    struct stat st {};
    return disk && ::stat(disk->c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool ClPosixFileSystem::IsFile(const std::string& path) {
    auto disk = OnDisk(path);
    struct stat st {};
    return disk && ::stat(disk->c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool ClPosixFileSystem::CreateFolder(const std::string& path) {
    auto disk = OnDisk(path);
    return disk && ::mkdir(disk->c_str(), 0777) == 0;
}

bool ClPosixFileSystem::RemoveFolder(const std::string& path) {
    auto disk = OnDisk(path);
    return disk && ::rmdir(disk->c_str()) == 0;
}

EnReadResult ClPosixFileSystem::ReadFile(const std::string& path, std::string& content, std::size_t maxSize) {
    auto disk = OnDisk(path);
    return disk ? ReadRegularFile(*disk, content, maxSize) : EnReadResult::NoFile;
}

bool ClPosixFileSystem::ReplaceFile(const std::string& path, std::string_view content) {
    auto file = NewOutputFile(EnInPlace::Never);
    if (!file || !file->Create(path.c_str())) return false;
    const bool ok = file->Write(content.data(), content.size()) && file->Commit();
    file->Close();
    return ok;
}

std::string ClPosixFileSystem::FinalPath(const std::string& path) {
    auto disk = OnDisk(path);
    if (!disk || !FollowLinks(*disk)) return {};
    return InProgram(*disk);
}

std::unique_ptr<ClFileLock> ClPosixFileSystem::LockFile(const std::string& path) {
    auto disk = OnDisk(path);
    if (!disk) return nullptr;
    const int fd = ::open(disk->c_str(), O_RDONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) return nullptr;
    struct stat st {};
    bool locked = false;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        for (int waited = 0;; waited += kLockPollMs) {
            locked = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
            if (locked || (errno != EWOULDBLOCK && errno != EINTR) || waited >= lockWaitMs_) break;
            SleepMs(kLockPollMs);
        }
    }
    std::unique_ptr<ClFileLock> lock(locked ? new (std::nothrow) ClFlockLock(fd) : nullptr);
    if (!lock) ::close(fd);
    return lock;
}
