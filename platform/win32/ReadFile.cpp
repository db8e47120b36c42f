#include "services/ReadFile.h"

#include <windows.h>

// The path is handed over as it is: the program's ANSI code page is 932.
long ReadFileHead(const char* path, void* buffer, std::size_t size) {
    if (!path || !buffer) return -1;
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return -1;
    if (GetFileType(file) != FILE_TYPE_DISK) {  // a pipe or a device is no file to read
        CloseHandle(file);
        return -1;
    }
    auto* bytes = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < size) {
        const std::size_t left = size - done;
        const DWORD chunk = left > 0x40000000u ? 0x40000000u : static_cast<DWORD>(left);
        DWORD read = 0;
        if (!ReadFile(file, bytes + done, chunk, &read, nullptr)) {
            CloseHandle(file);
            return -1;
        }
        if (read == 0) break;
        done += read;
    }
    CloseHandle(file);
    return static_cast<long>(done);
}
