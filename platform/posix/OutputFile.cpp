#include "services/OutputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <new>
#include <optional>
#include <random>
#include <string>

#include "services/CodePage.h"

namespace {

// Folder part of a UTF-8 path ("." when there is none); UTF-8 never has a
// '/' inside a multibyte character.
std::string FolderOf(const std::string& path) {
    std::string::size_type slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// Makes the rename durable; a file system that cannot sync folders is no failure.
void SyncFolder(const std::string& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

class ClPosixOutputFile final : public ClOutputFile {
public:
    ~ClPosixOutputFile() override { Close(); }

    bool Create(const char* targetPath) override {
        Close();
        try {
            return CreateTemp(targetPath);
        } catch (const std::bad_alloc&) {
            Close();
            return false;
        }
    }

    bool Write(const void* data, std::size_t size) override {
        if (fd_ < 0) return false;
        const char* p = static_cast<const char*>(data);
        while (size > 0) {
            ssize_t n = ::write(fd_, p, size);
            if (n < 0) {
                if (errno == EINTR) continue;
                return false;
            }
            p += n;
            size -= static_cast<std::size_t>(n);
        }
        return true;
    }

    bool Commit() override {
        if (fd_ < 0) return false;
        bool ok = ::fsync(fd_) == 0;
        ok = (::close(fd_) == 0) && ok;
        fd_ = -1;
        if (!ok || ::rename(temp_.c_str(), target_.c_str()) != 0) {
            Close();
            return false;
        }
        temp_.clear();  // nothing left to remove
        SyncFolder(FolderOf(target_));
        return true;
    }

    void Close() override {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
        if (!temp_.empty()) ::unlink(temp_.c_str());
        temp_.clear();
    }

private:
    bool CreateTemp(const char* targetPath) {
        if (!targetPath || !*targetPath) return false;
        std::optional<std::string> target = SjisToUtf8(targetPath);
        if (!target || target->back() == '/') return false;
        // The target must be a file this user may replace, as if it were
        // opened for writing in place.
        struct stat st {};
        mode_t mode = 0666;
        bool keepMode = false;
        if (::stat(target->c_str(), &st) == 0) {
            if (!S_ISREG(st.st_mode) || ::access(target->c_str(), W_OK) != 0) return false;
            mode = st.st_mode & 07777;
            keepMode = true;
        }
        std::random_device seed;
        std::mt19937_64 random(seed());
        for (int attempt = 0; attempt < 100; ++attempt) {
            // A short name of its own, so a target name near the length
            // limit still gets a temporary file.
            char name[32];
            std::snprintf(name, sizeof name, "/.orbek-%012llx.tmp",
                          static_cast<unsigned long long>(random() & 0xFFFFFFFFFFFFULL));
            std::string temp = FolderOf(*target) + name;
            int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
            if (fd < 0) {
                if (errno == EEXIST) continue;
                return false;
            }
            fd_ = fd;
            temp_ = std::move(temp);
            target_ = std::move(*target);
            // Replacing a file keeps its permissions, as writing into it would.
            if (keepMode) ::fchmod(fd_, mode);
            return true;
        }
        return false;
    }

    int fd_ = -1;
    std::string temp_;    // UTF-8; empty once committed or removed
    std::string target_;  // UTF-8
};

}  // namespace

std::unique_ptr<ClOutputFile> NewOutputFile() {
    return std::unique_ptr<ClOutputFile>(new (std::nothrow) ClPosixOutputFile());
}
