#include "platform/win32/WinProfileReader.h"

#include "platform/win32/WinApi.h"

#include <vector>

std::string ClWinProfileReader::GetString(const std::string& path, const char* section, const char* key,
                                          const char* defaultValue) {
    // The whole value: a result that fills the buffer may have been cut, so
    // the buffer grows until it is not full.
    for (DWORD size = 256; size <= 65536; size *= 4) {
        std::vector<char> buffer(size);
        const DWORD n = GetPrivateProfileStringA(section, key, defaultValue, buffer.data(), size, path.c_str());
        if (n < size - 1) return std::string(buffer.data(), n);
    }
    return {};
}
