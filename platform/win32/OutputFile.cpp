#include "services/OutputFile.h"

#include "platform/win32/WinApi.h"

#include <cstdio>
#include <new>
#include <string>
#include <string_view>

#include "common/Sjis.h"
#include "platform/win32/TempFiles.h"

namespace {

// Length of the folder part of path: up to and including the last separator
// (backslash, slash or the drive colon); a trail byte 0x5C is no separator.
std::size_t FolderLength(std::string_view path) {
    std::size_t folder = 0;
    for (std::size_t pos = 0; pos < path.size();) {
        const std::size_t length = sjis::CharLengthAt(path, pos);
        if (length == 1 && (path[pos] == '\\' || path[pos] == '/' || path[pos] == ':')) folder = pos + 1;
        pos += length;
    }
    return folder;
}

constexpr DWORD kRenameWaitMs = 1000;
constexpr DWORD kRenamePollMs = 20;

bool WriteAll(HANDLE handle, const char* bytes, std::size_t size) {
    while (size > 0) {
        const DWORD chunk = size > 0x40000000u ? 0x40000000u : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!WriteFile(handle, bytes, chunk, &written, nullptr) || written == 0) return false;
        bytes += written;
        size -= written;
    }
    return true;
}

// Renames over the target; a reader that has the target open for a moment
// (the remembered-path file is read so) is waited for briefly. Read-only
// targets were refused at Create, so a denial here is such a reader.
bool RenameOver(const std::wstring& from, const std::wstring& to) {
    for (DWORD waited = 0;; waited += kRenamePollMs) {
        if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
        const DWORD error = GetLastError();
        if ((error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED) || waited >= kRenameWaitMs) return false;
        Sleep(kRenamePollMs);
    }
}

// Writes to a temporary file beside the target and renames it over the
// target on Commit. When the folder takes no new files but the target may be
// written, the content is kept in memory and written into the target on
// Commit instead (not in one step).
class ClWinOutputFile final : public ClOutputFile {
public:
    explicit ClWinOutputFile(EnInPlace inPlace) : inPlaceAllowed_(inPlace == EnInPlace::Allowed) {}
    ~ClWinOutputFile() override { Close(); }

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
        if (handle_ == INVALID_HANDLE_VALUE) return false;
        if (!inPlace_) return WriteAll(handle_, static_cast<const char*>(data), size);
        try {
            pending_.append(static_cast<const char*>(data), size);
            return true;
        } catch (const std::bad_alloc&) {
            return false;
        }
    }

    bool Commit() override {
        if (handle_ == INVALID_HANDLE_VALUE) return false;
        bool ok = !inPlace_ || (SetFilePointer(handle_, 0, nullptr, FILE_BEGIN) == 0 && SetEndOfFile(handle_) &&
                                WriteAll(handle_, pending_.data(), pending_.size()));
        ok = ok && FlushFileBuffers(handle_) != 0;
        CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
        if (ok && !inPlace_) ok = RenameOver(temp_, longTarget_);
        if (ok) temp_.clear();
        Close();
        return ok;
    }

    void Close() override {
        if (handle_ != INVALID_HANDLE_VALUE) {
            CloseHandle(handle_);
            handle_ = INVALID_HANDLE_VALUE;
        }
        if (!temp_.empty()) {
            DeleteFileW(temp_.c_str());
            temp_.clear();
        }
        std::string().swap(pending_);
        inPlace_ = false;
    }

private:
    bool Open(const char* targetPath) {
        if (!targetPath || !*targetPath) return false;
        target_ = targetPath;
        const std::string folder = target_.substr(0, FolderLength(target_));
        // No file name, a folder standing at the target, or a read-only file:
        // nothing could replace it.
        const DWORD attributes = GetFileAttributesA(targetPath);
        const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
        if (folder.size() == target_.size() ||
            (exists && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))))
            return false;
        longTarget_ = LongPath(target_);
        const std::wstring longFolder = LongPath(folder);
        if (longTarget_.empty() || longFolder.empty()) return false;
        RemoveStaleTempFiles(longFolder);
        // CREATE_NEW makes the temporary file ours alone.
        handle_ = CreateTempFile(longFolder, FILE_ATTRIBUTE_NORMAL, temp_);
        if (handle_ != INVALID_HANDLE_VALUE) return true;
        const bool folderRefuses = GetLastError() == ERROR_ACCESS_DENIED;
        return inPlaceAllowed_ && exists && folderRefuses && OpenInPlace();
    }

    bool OpenInPlace() {
        handle_ =
            CreateFileA(target_.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle_ == INVALID_HANDLE_VALUE) return false;
        if (GetFileType(handle_) != FILE_TYPE_DISK) {
            Close();
            return false;
        }
        inPlace_ = true;
        return true;
    }

    const bool inPlaceAllowed_;
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    bool inPlace_ = false;
    std::string target_;
    std::wstring longTarget_;
    std::wstring temp_;    // long form; empty once committed or removed, and in place
    std::string pending_;  // in place: the content until Commit
};

}  // namespace

std::unique_ptr<ClOutputFile> NewOutputFile(EnInPlace inPlace) {
    try {
        return std::make_unique<ClWinOutputFile>(inPlace);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
