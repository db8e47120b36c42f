#pragma once
// The POSIX file system: paths are Shift_JIS in the program and UTF-8 on
// disk, converted at each call; a path that cannot be converted names nothing.
#include "services/FileSystem.h"
#include "services/WaitCursor.h"

class ClPosixFileSystem final : public ClFileSystem {
public:
    // lockWaitMs: how long LockFile waits for another holder.
    explicit ClPosixFileSystem(int lockWaitMs = 3000) : lockWaitMs_(lockWaitMs) {}

    EnPathStyle Style() const override { return EnPathStyle::Posix; }
    std::string GetProgramPath() override;
    std::string GetCurrentFolder() override;
    bool SetCurrentFolder(const std::string& path) override;
    // $TMPDIR, else /tmp.
    std::string GetTempFolder() override;
    // There are no drive letters: every letter has no drive behind it.
    int GetDriveType(const std::string&) override { return drive::kNoRootDir; }
    bool IsReadOnlyVolume(const std::string& path) override;
    bool Access(const std::string& path, int mode) override;
    bool TakesNewFiles(const std::string& folder) override;
    bool IsFolder(const std::string& path) override;
    bool IsFile(const std::string& path) override;
    bool CreateFolder(const std::string& path) override;
    bool RemoveFolder(const std::string& path) override;
    EnReadResult ReadFile(const std::string& path, std::string& content, std::size_t maxSize) override;
    bool ReplaceFile(const std::string& path, std::string_view content) override;
    std::string FinalPath(const std::string& path) override;
    // flock(2) on the file: the lock goes with the last descriptor, so also
    // with a process that was killed.
    std::unique_ptr<ClFileLock> LockFile(const std::string& path) override;

private:
    int lockWaitMs_;
};

// A console has no wait cursor.
class ClNoWaitCursor final : public ClWaitCursor {
public:
    void Begin() override {}
    void Restore() override {}
    void End() override {}
};
