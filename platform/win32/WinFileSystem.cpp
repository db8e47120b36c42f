#include "platform/win32/WinFileSystem.h"

#include <io.h>
#include <shlwapi.h>
#include "platform/win32/WinApi.h"

#include "services/OutputFile.h"

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

int ClWinFileSystem::GetDriveType(const std::string& root) {
    return static_cast<int>(GetDriveTypeA(root.c_str()));
}

bool ClWinFileSystem::Access(const std::string& path, int mode) {
    return !path.empty() && _access(path.c_str(), mode) == 0;
}

bool ClWinFileSystem::IsFolder(const std::string& path) {
    return !path.empty() && PathIsDirectoryA(path.c_str()) != FALSE;
}

bool ClWinFileSystem::CreateFolder(const std::string& path) {
    return !path.empty() && CreateDirectoryA(path.c_str(), nullptr) != 0;
}

bool ClWinFileSystem::RemoveFolder(const std::string& path) {
    return !path.empty() && RemoveDirectoryA(path.c_str()) != 0;
}

bool ClWinFileSystem::ReadFile(const std::string& path, std::string& content,
                               std::size_t maxSize) {
    if (path.empty()) return false;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
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
    return ok;
}

bool ClWinFileSystem::ReplaceFile(const std::string& path, std::string_view content) {
    auto file = NewOutputFile();
    if (!file || !file->Create(path.c_str())) return false;
    const bool ok = file->Write(content.data(), content.size()) && file->Commit();
    file->Close();
    return ok;
}
