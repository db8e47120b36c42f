#include "platform/win32/WinFileSystem.h"

#include <io.h>
#include <shlwapi.h>
#include "platform/win32/WinApi.h"

#include <new>

#include "platform/win32/TempFiles.h"
#include "services/OutputFile.h"

namespace {

constexpr int kLockPollMs = 20;

class ClWinFileLock final : public ClFileLock {
public:
    explicit ClWinFileLock(HANDLE handle) : handle_(handle) {}
    ~ClWinFileLock() override { CloseHandle(handle_); }
    ClWinFileLock(const ClWinFileLock&) = delete;
    ClWinFileLock& operator=(const ClWinFileLock&) = delete;

private:
    HANDLE handle_;
};

}  // namespace

std::string ClWinFileSystem::GetProgramPath() {
    char path[MAX_PATH + 1] = {};
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH + 1);
    if (n == 0 || n > MAX_PATH) return {};  // none, or cut short
    return std::string(path, n);
}

std::string ClWinFileSystem::GetCurrentFolder() {
    char path[MAX_PATH + 1] = {};
    const DWORD n = GetCurrentDirectoryA(sizeof path, path);
    if (n == 0 || n >= sizeof path) return {};
    return std::string(path, n);
}

bool ClWinFileSystem::SetCurrentFolder(const std::string& path) {
    return !path.empty() && SetCurrentDirectoryA(path.c_str()) != 0;
}

std::string ClWinFileSystem::GetTempFolder() {
    char path[MAX_PATH + 1] = {};
    const DWORD n = GetTempPathA(sizeof path, path);
    if (n == 0 || n >= sizeof path) return {};
    return std::string(path, n);
}

int ClWinFileSystem::GetDriveType(const std::string& root) { return static_cast<int>(GetDriveTypeA(root.c_str())); }

bool ClWinFileSystem::Access(const std::string& path, int mode) {
    return !path.empty() && _access(path.c_str(), mode) == 0;
}

bool ClWinFileSystem::TakesNewFiles(const std::string& folder) {
    const std::wstring longFolder = LongPath(folder);
    if (longFolder.empty()) return false;
    std::wstring probe;
    HANDLE file =
        CreateTempFile(longFolder, FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, probe);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

bool ClWinFileSystem::IsFolder(const std::string& path) {
    return !path.empty() && PathIsDirectoryA(path.c_str()) != FALSE;
}

bool ClWinFileSystem::IsFile(const std::string& path) {
    const DWORD attributes = path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE));
}

bool ClWinFileSystem::CreateFolder(const std::string& path) {
    return !path.empty() && CreateDirectoryA(path.c_str(), nullptr) != 0;
}

bool ClWinFileSystem::RemoveFolder(const std::string& path) {
    return !path.empty() && RemoveDirectoryA(path.c_str()) != 0;
}

EnReadResult ClWinFileSystem::ReadFile(const std::string& path, std::string& content, std::size_t maxSize) {
    if (path.empty()) return EnReadResult::NoFile;
    // Sharing deletion lets a rewrite rename its new file over this one meanwhile.
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? EnReadResult::NoFile
                                                                              : EnReadResult::Failed;
    }
    if (GetFileType(file) != FILE_TYPE_DISK) {  // only files are read
        CloseHandle(file);
        return EnReadResult::NoFile;
    }
    content.clear();
    bool ok = true;
    char buffer[4096];
    for (;;) {
        DWORD n = 0;
        if (!::ReadFile(file, buffer, sizeof buffer, &n, nullptr)) {
            ok = false;
            break;
        }
        if (n == 0) break;
        content.append(buffer, n);
        if (content.size() > maxSize) {
            ok = false;
            break;
        }
    }
    CloseHandle(file);
    return ok ? EnReadResult::Read : EnReadResult::Failed;
}

bool ClWinFileSystem::ReplaceFile(const std::string& path, std::string_view content) {
    auto file = NewOutputFile(EnInPlace::Never);
    if (!file || !file->Create(path.c_str())) return false;
    const bool ok = file->Write(content.data(), content.size()) && file->Commit();
    file->Close();
    return ok;
}

std::unique_ptr<ClFileLock> ClWinFileSystem::LockFile(const std::string& path) {
    if (path.empty()) return nullptr;
    for (int waited = 0;; waited += kLockPollMs) {
        HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            std::unique_ptr<ClFileLock> lock(
                GetFileType(handle) == FILE_TYPE_DISK ? new (std::nothrow) ClWinFileLock(handle) : nullptr);
            if (!lock) CloseHandle(handle);
            return lock;
        }
        const DWORD error = GetLastError();
        // Another holder, or its file still on its way out.
        if ((error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED) || waited >= lockWaitMs_) return nullptr;
        Sleep(kLockPollMs);
    }
}
