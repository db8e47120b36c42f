#include "platform/posix/FileCalls.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

namespace {

int OpenFile(const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); }

constexpr StFILECALLS kReal = {OpenFile, ::write, ::fsync, ::close, ::rename};
StFILECALLS current = kReal;

}  // namespace

StFILECALLS& FileCalls() { return current; }
const StFILECALLS& RealFileCalls() { return kReal; }
