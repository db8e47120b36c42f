#pragma once
// The output file as the report writer uses it. The bytes go to a temporary
// file beside the target; only Commit puts them at the target, atomically, so
// a failed report never leaves a broken file and never touches what stood there.
// Implemented by platform/posix/OutputFile.cpp and
// platform/win32/OutputFile.cpp; bound at link time (NewOutputFile, orbek_platform).
#include <cstddef>
#include <memory>

class ClOutputFile {
public:
    virtual ~ClOutputFile() = default;
    // Creates the temporary file (exclusively) in the target's folder.
    virtual bool Create(const char* targetPath) = 0;  // Shift_JIS path
    virtual bool Write(const void* data, std::size_t size) = 0;
    // Flushes to disk and replaces the target; false leaves the target as it was.
    virtual bool Commit() = 0;
    // Closes; an uncommitted temporary file is removed.
    virtual void Close() = 0;
};

// Whether a target whose folder takes no new files may be written in place
// instead (on Commit, not in one step: a failure then leaves it cut short).
enum class EnInPlace { Allowed, Never };

std::unique_ptr<ClOutputFile> NewOutputFile(EnInPlace inPlace = EnInPlace::Allowed);
