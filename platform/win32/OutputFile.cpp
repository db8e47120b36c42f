#include "services/OutputFile.h"

#include "platform/win32/WinApi.h"

#include <cstdio>
#include <string>
#include <string_view>

#include "common/Sjis.h"

namespace {

// Length of the folder part of path: up to and including the last separator
// (backslash, slash or the drive colon); a trail byte 0x5C is no separator.
std::size_t FolderLength(std::string_view path) {
    std::size_t folder = 0;
    for (std::size_t pos = 0; pos < path.size();) {
        const std::size_t length = sjis::CharLengthAt(path, pos);
        if (length == 1 && (path[pos] == '\\' || path[pos] == '/' || path[pos] == ':'))
            folder = pos + 1;
        pos += length;
    }
    return folder;
}

class ClWinOutputFile final : public ClOutputFile {
public:
    ~ClWinOutputFile() override { Close(); }

    bool Create(const char* targetPath) override {
        Close();
        if (!targetPath || !*targetPath) return false;
        target_ = targetPath;
        const std::string folder = target_.substr(0, FolderLength(target_));
        // No file name, or a folder standing at the target: nothing could replace it.
        const DWORD attributes = GetFileAttributesA(targetPath);
        if (folder.size() == target_.size() ||
            (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)))
            return false;
        // A short name keeps the temporary path inside MAX_PATH wherever the
        // target itself fits; CREATE_NEW makes it ours alone.
        static unsigned counter = 0;
        for (int attempt = 0; attempt < 16; ++attempt) {
            char name[32];
            std::snprintf(name, sizeof name, "~ob%05lx.tmp",
                          (GetCurrentProcessId() * 31ul + GetTickCount() + ++counter) & 0xFFFFFul);
            temp_ = folder + name;
            handle_ = CreateFileA(temp_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
            if (handle_ != INVALID_HANDLE_VALUE) return true;
            if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS)
                break;
        }
        temp_.clear();
        return false;
    }

    bool Write(const void* data, std::size_t size) override {
        if (handle_ == INVALID_HANDLE_VALUE) return false;
        const auto* bytes = static_cast<const char*>(data);
        while (size > 0) {
            const DWORD chunk = size > 0x40000000u ? 0x40000000u : static_cast<DWORD>(size);
            DWORD written = 0;
            if (!WriteFile(handle_, bytes, chunk, &written, nullptr) || written == 0) return false;
            bytes += written;
            size -= written;
        }
        return true;
    }

    bool Commit() override {
        if (handle_ == INVALID_HANDLE_VALUE) return false;
        const bool flushed = FlushFileBuffers(handle_) != 0;
        CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
        if (!flushed) return false;
        if (!MoveFileExA(temp_.c_str(), target_.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return false;
        temp_.clear();
        return true;
    }

    void Close() override {
        if (handle_ != INVALID_HANDLE_VALUE) {
            CloseHandle(handle_);
            handle_ = INVALID_HANDLE_VALUE;
        }
        if (!temp_.empty()) {
            DeleteFileA(temp_.c_str());
            temp_.clear();
        }
    }

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    std::string target_;
    std::string temp_;
};

}  // namespace

std::unique_ptr<ClOutputFile> NewOutputFile() {
    try {
        return std::make_unique<ClWinOutputFile>();
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
