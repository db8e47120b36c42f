#include "services/OutputFile.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <new>
#include <optional>
#include <string>

#include "platform/posix/FileCalls.h"
#include "platform/posix/FollowLinks.h"
#include "platform/posix/TempFiles.h"
#include "services/CodePage.h"

namespace {

bool WriteAll(int fd, const void* data, std::size_t size) {
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = FileCalls().write(fd, p, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// Makes the rename durable; a file system that cannot sync folders is no failure.
void SyncFolder(const std::string& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// Writes to a temporary file beside the target and renames it over the
// target on Commit. When the folder takes no new files but the target may be
// written, the content is kept in memory and written into the target on
// Commit instead: the target is untouched by a report that fails, but a
// failure while it is written in place leaves it cut short.
class ClPosixOutputFile final : public ClOutputFile {
public:
    explicit ClPosixOutputFile(EnInPlace inPlace) : inPlaceAllowed_(inPlace == EnInPlace::Allowed) {}
    ~ClPosixOutputFile() override { Close(); }

    bool Create(const char* targetPath) override {
        Close();
        try {
            if (Open(targetPath)) return true;
        } catch (const std::bad_alloc&) {
        }
        Close();
        return false;
    }

    bool Write(const void* data, std::size_t size) override {
        if (fd_ < 0) return false;
        if (!inPlace_) return Buffer(data, size);
        try {
            pending_.append(static_cast<const char*>(data), size);
            return true;
        } catch (const std::bad_alloc&) {
            return false;
        }
    }

    bool Commit() override {
        if (fd_ < 0) return false;
        const bool ok = inPlace_ ? CommitInPlace() : CommitTemp();
        Close();
        return ok;
    }

    void Close() override {
        if (fd_ >= 0) FileCalls().close(fd_);
        fd_ = -1;
        if (!temp_.empty()) guard_.Remove(temp_);
        guard_.Disarm();
        temp_.clear();
        std::string().swap(pending_);
        used_ = 0;
        inPlace_ = false;
    }

private:
    // The writer hands over one line at a time; a system call per line would
    // cost more than the line itself. A failed flush fails this Write or the
    // Commit, so nothing that was not written is ever renamed into place.
    static constexpr std::size_t kBufferSize = 64 * 1024;

    bool Buffer(const void* data, std::size_t size) {
        if (used_ + size > kBufferSize && !Flush()) return false;
        if (size >= kBufferSize) return WriteAll(fd_, data, size);
        std::memcpy(buffer_.get() + used_, data, size);
        used_ += size;
        return true;
    }

    bool Flush() {
        const bool ok = WriteAll(fd_, buffer_.get(), used_);
        used_ = 0;
        return ok;
    }

    bool Open(const char* targetPath) {
        if (!targetPath || !*targetPath) return false;
        std::optional<std::string> target = SjisToUtf8(targetPath);
        if (!target || target->back() == '/' || !FollowLinks(*target)) return false;
        // The target must be a file this user may replace, as if it were
        // opened for writing in place.
        struct stat st {};
        const bool exists = ::stat(target->c_str(), &st) == 0;
        if (!exists && errno != ENOENT) return false;
        if (exists && (!S_ISREG(st.st_mode) || ::access(target->c_str(), W_OK) != 0)) return false;
        target_ = std::move(*target);
        const std::string folder = FolderOf(target_);
        RemoveStaleTempFiles(folder);
        const mode_t mode = exists ? st.st_mode & 07777 : 0666;
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::string temp = NewTempFilePath(folder);
            const int fd = guard_.Create(temp, mode);
            if (fd >= 0) {
                fd_ = fd;
                temp_ = std::move(temp);
                if (!buffer_) buffer_.reset(new char[kBufferSize]);
                // Replacing a file keeps its permissions, as writing into it would.
                if (exists) ::fchmod(fd_, mode);
                return true;
            }
            if (errno == EEXIST) continue;
            return inPlaceAllowed_ && exists && (errno == EACCES || errno == EPERM) && OpenInPlace();
        }
        return false;
    }

    bool OpenInPlace() {
        const int fd = FileCalls().open(target_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC, 0);
        if (fd < 0) return false;
        struct stat st {};
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
            FileCalls().close(fd);
            return false;
        }
        fd_ = fd;
        inPlace_ = true;
        return true;
    }

    bool CommitTemp() {
        bool ok = Flush() && FileCalls().fsync(fd_) == 0;
        ok = FileCalls().close(fd_) == 0 && ok;  // the descriptor is gone either way
        fd_ = -1;
        if (!ok || FileCalls().rename(temp_.c_str(), target_.c_str()) != 0) return false;
        temp_.clear();  // nothing left to remove
        SyncFolder(FolderOf(target_));
        return true;
    }

    bool CommitInPlace() {
        bool ok =
            ::ftruncate(fd_, 0) == 0 && WriteAll(fd_, pending_.data(), pending_.size()) && FileCalls().fsync(fd_) == 0;
        ok = FileCalls().close(fd_) == 0 && ok;
        fd_ = -1;
        return ok;
    }

    const bool inPlaceAllowed_;
    int fd_ = -1;
    bool inPlace_ = false;
    std::string temp_;                // UTF-8; empty once committed or removed, and in place
    std::string target_;              // UTF-8, links followed
    std::string pending_;             // in place: the content until Commit
    std::unique_ptr<char[]> buffer_;  // not in place: lines not yet written
    std::size_t used_ = 0;
    ClTempFileGuard guard_;
};

}  // namespace

std::unique_ptr<ClOutputFile> NewOutputFile(EnInPlace inPlace) {
    return std::unique_ptr<ClOutputFile>(new (std::nothrow) ClPosixOutputFile(inPlace));
}
