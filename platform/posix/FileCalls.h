#pragma once
// The system calls through which the output file writes, flushes, closes and
// renames. Tests replace single entries to bring about failures the real
// system will not produce on demand.
#include <sys/types.h>

#include <cstddef>

struct StFILECALLS {
    int (*open)(const char* path, int flags, mode_t mode);
    ssize_t (*write)(int fd, const void* data, std::size_t size);
    int (*fsync)(int fd);
    int (*close)(int fd);
    int (*rename)(const char* from, const char* to);
};

// The calls in use; the real ones unless a test has replaced some.
StFILECALLS& FileCalls();
// The real calls.
const StFILECALLS& RealFileCalls();
