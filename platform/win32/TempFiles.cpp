#include "platform/win32/TempFiles.h"

#include <climits>

#include "common/TempFileName.h"

namespace {

constexpr StTEMPNAME kTempName{"~ob", 5, ".tmp"};
constexpr wchar_t kTempSearch[] = L"~ob*.tmp";
constexpr int kCreateAttempts = 16;
constexpr std::int64_t kFileTimeTicksPerSecond = 10'000'000;

std::int64_t Ticks(const FILETIME& time) {
    return static_cast<std::int64_t>((static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
}

// The name as the pattern's text; empty when it holds other than ASCII.
std::string AsciiName(const wchar_t* name) {
    std::string ascii;
    for (; *name; ++name) {
        if (*name >= 0x80) return {};
        ascii += static_cast<char>(*name);
    }
    return ascii;
}

std::wstring WithSeparator(std::wstring folder) {
    if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
    return folder;
}

}  // namespace

std::wstring LongPath(const std::string& path) {
    if (path.empty() || path.size() > static_cast<std::size_t>(INT_MAX)) return {};
    const int length = static_cast<int>(path.size());
    const int wideLength = MultiByteToWideChar(CP_ACP, 0, path.data(), length, nullptr, 0);
    if (wideLength <= 0) return {};
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    if (MultiByteToWideChar(CP_ACP, 0, path.data(), length, wide.data(), wideLength) != wideLength) return {};
    // Made full as the system makes a path full for the "A" calls: the
    // long form takes the text as it stands.
    const DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (size == 0) return {};
    std::wstring full(size, L'\0');
    const DWORD fullLength = GetFullPathNameW(wide.c_str(), size, full.data(), nullptr);
    if (fullLength == 0 || fullLength >= size) return {};
    full.resize(fullLength);
    if (full.rfind(L"\\\\?\\", 0) == 0 || full.rfind(L"\\\\.\\", 0) == 0) return full;
    if (full.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

HANDLE CreateTempFile(const std::wstring& folder, DWORD flagsAndAttributes, std::wstring& path) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < kCreateAttempts; ++attempt) {
        const std::uint64_t value = GetCurrentProcessId() * 31ull + GetTickCount() + ++counter;
        const std::string name = TempFileName(kTempName, value);
        path = WithSeparator(folder) + std::wstring(name.begin(), name.end());
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, flagsAndAttributes, nullptr);
        if (file != INVALID_HANDLE_VALUE) return file;
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) break;
    }
    path.clear();
    return INVALID_HANDLE_VALUE;
}

void RemoveStaleTempFiles(const std::wstring& folder) {
    const std::wstring prefix = WithSeparator(folder);
    WIN32_FIND_DATAW found;
    HANDLE find =
        FindFirstFileExW((prefix + kTempSearch).c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0);
    if (find == INVALID_HANDLE_VALUE) return;
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    do {
        // The pattern also finds short (8.3) names; only the name itself counts.
        if (!IsTempFileName(kTempName, AsciiName(found.cFileName))) continue;
        const bool regular = !(found.dwFileAttributes &
                               (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE));
        const std::int64_t age = (Ticks(now) - Ticks(found.ftLastWriteTime)) / kFileTimeTicksPerSecond;
        if (IsStaleTempFile(regular, age)) DeleteFileW((prefix + found.cFileName).c_str());
    } while (FindNextFileW(find, &found));
    FindClose(find);
}
