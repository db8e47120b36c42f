#pragma once
// The task-memory allocator the engine fills saved-settings blocks from
// (CoTaskMemAlloc/CoTaskMemFree on Windows), with the size of each block so
// readers never leave it.
// Implemented by platform/posix/TaskMemory.cpp and
// platform/win32/TaskMemory.cpp; bound at link time (orbek_platform).
#include <cstddef>

void* TaskMemAlloc(std::size_t size);        // zero-filled; null when out of memory
void TaskMemFree(void* block);               // null is ignored
std::size_t TaskMemSize(const void* block);  // 0 for null
