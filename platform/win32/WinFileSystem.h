#pragma once
// The Windows file system through the "A" calls: the program's Shift_JIS
// paths are the system's own (ANSI code page 932).
#include "services/FileSystem.h"

class ClWinFileSystem final : public ClFileSystem {
public:
    // lockWaitMs: how long LockFile waits for another holder.
    explicit ClWinFileSystem(int lockWaitMs = 3000) : lockWaitMs_(lockWaitMs) {}

    EnPathStyle Style() const override { return EnPathStyle::Windows; }
    std::string GetProgramPath() override;
    std::string GetCurrentFolder() override;
    bool SetCurrentFolder(const std::string& path) override;
    std::string GetTempFolder() override;
    int GetDriveType(const std::string& root) override;
    // Windows paths are judged by their drive type instead.
    bool IsReadOnlyVolume(const std::string&) override { return false; }
    bool Access(const std::string& path, int mode) override;
    // Makes a temporary file there that goes with its handle.
    bool TakesNewFiles(const std::string& folder) override;
    bool IsFolder(const std::string& path) override;
    bool IsFile(const std::string& path) override;
    bool CreateFolder(const std::string& path) override;
    bool RemoveFolder(const std::string& path) override;
    EnReadResult ReadFile(const std::string& path, std::string& content, std::size_t maxSize) override;
    bool ReplaceFile(const std::string& path, std::string_view content) override;
    std::string FinalPath(const std::string& path) override { return path; }
    // The file opened without sharing, removed again when closed; a killed
    // process has its handles closed by the system.
    std::unique_ptr<ClFileLock> LockFile(const std::string& path) override;

private:
    int lockWaitMs_;
};
