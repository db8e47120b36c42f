#pragma once
// Reading the head of a small file by its Shift_JIS path, shared with other
// programs (they may read and write it meanwhile).
// Implemented by platform/posix/ReadFile.cpp and
// platform/win32/ReadFile.cpp; bound at link time (orbek_platform).
#include <cstddef>

// Reads up to size bytes from the start of the file into buffer. Returns the
// number of bytes read, or -1 when the file cannot be opened or read.
long ReadFileHead(const char* path, void* buffer, std::size_t size);
