#pragma once
// The output file's temporary files on Windows: "~ob" + 5 hex digits + ".tmp"
// in the folder of the file they will replace. They are reached through the
// long path form ("\\?\C:\..."): beside a target that just fits MAX_PATH, a
// temporary name longer than the target's own would not.
#include <string>

#include "platform/win32/WinApi.h"

// The long form of a path as the "A" calls read it (ANSI code page, made
// full); empty when it cannot be made.
std::wstring LongPath(const std::string& path);

// Creates a new temporary file in folder (long form) with CreateFileW's
// flags and attributes; a name another file has is passed over. Sets path;
// INVALID_HANDLE_VALUE on failure, with the last error of the last attempt.
HANDLE CreateTempFile(const std::wstring& folder, DWORD flagsAndAttributes, std::wstring& path);

// Removes the regular files of that pattern in folder (long form) that were
// last written more than an hour ago: what killed runs left behind.
void RemoveStaleTempFiles(const std::wstring& folder);
