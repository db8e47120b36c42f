#pragma once
// The file system as the program uses it. Every path is Shift_JIS text; an
// implementation converts it to the system's own form at each call and
// reports a path it cannot convert as one that does not exist / cannot be made.
// Implemented by platform/posix/PosixFileSystem.cpp and
// platform/win32/WinFileSystem.cpp (tests: tests/doubles/FakeFileSystem.h);
// passed in: app/main hands one to ClExportApp in StAPPSERVICES.
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

// How paths are written. Windows: drive letters, "\\server\share" and "\";
// POSIX: one root "/" and "/" as the separator.
enum class EnPathStyle { Windows, Posix };

// Drive types as GetDriveTypeA reports them.
namespace drive {
constexpr int kUnknown = 0;
constexpr int kNoRootDir = 1;
constexpr int kRemovable = 2;
constexpr int kFixed = 3;
constexpr int kRemote = 4;
constexpr int kCdRom = 5;
constexpr int kRamDisk = 6;
}  // namespace drive

// Access modes as _access takes them.
namespace accessmode {
constexpr int kExists = 0;
constexpr int kWrite = 2;
constexpr int kRead = 4;
constexpr int kReadWrite = 6;
}  // namespace accessmode

// What reading a whole file came to. A pipe, device or folder counts as no
// file; anything else that goes wrong (no access, an I/O error, a file over
// the size allowed) is a failure: there may be a file that was not read.
enum class EnReadResult { Read, NoFile, Failed };

// Held while it lives: an exclusive lock taken with ClFileSystem::LockFile.
class ClFileLock {
public:
    virtual ~ClFileLock() = default;
};

class ClFileSystem {
public:
    virtual ~ClFileSystem() = default;

    virtual EnPathStyle Style() const = 0;

    // Full path of the running program's executable; empty when unknown.
    virtual std::string GetProgramPath() = 0;
    // Current working directory; empty when it cannot be had.
    virtual std::string GetCurrentFolder() = 0;
    virtual bool SetCurrentFolder(const std::string& path) = 0;
    // The folder for temporary files, ending with the separator; empty when none.
    virtual std::string GetTempFolder() = 0;

    // Windows style: the drive type of a root such as "C:\".
    virtual int GetDriveType(const std::string& root) = 0;
    // POSIX style: true when the file system that holds path (or, while path
    // does not exist, its nearest existing folder) is mounted read-only.
    virtual bool IsReadOnlyVolume(const std::string& path) = 0;

    // The access test: the path exists (kExists) and allows the mode.
    virtual bool Access(const std::string& path, int mode) = 0;
    virtual bool IsFolder(const std::string& path) = 0;
    // An existing regular file (links followed); false for folders, pipes and devices.
    virtual bool IsFile(const std::string& path) = 0;
    // True when a new file can be made in the existing folder. Windows asks
    // by making one (removed at once): a folder's read-only attribute does
    // not keep files out, its permissions do.
    virtual bool TakesNewFiles(const std::string& folder) = 0;
    virtual bool CreateFolder(const std::string& path) = 0;
    virtual bool RemoveFolder(const std::string& path) = 0;

    // Reads a whole regular file of at most maxSize bytes; content is
    // unspecified unless Read. Opening never blocks.
    virtual EnReadResult ReadFile(const std::string& path, std::string& content, std::size_t maxSize) = 0;
    // Puts content at path in one step through a new file beside it, as the
    // output file does (services/OutputFile.h), but never in place: false
    // leaves whatever stood at path as it was.
    virtual bool ReplaceFile(const std::string& path, std::string_view content) = 0;
    // The file that replacing path replaces: where its chain of symbolic
    // links ends (POSIX; a Windows rename replaces the link itself), path
    // itself when it is no link. Empty when the chain cannot be followed.
    virtual std::string FinalPath(const std::string& path) = 0;
    // Takes the exclusive lock of the file at path (created when missing),
    // waiting a few seconds at most; null when it cannot be had. Every
    // process that locks the same path waits for the holder, and a process
    // that ends, however it ends, leaves no lock behind.
    virtual std::unique_ptr<ClFileLock> LockFile(const std::string& path) = 0;
};
