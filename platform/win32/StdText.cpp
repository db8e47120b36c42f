#include "services/StdText.h"

#include "platform/win32/WinApi.h"
#include <shellapi.h>

#include "platform/win32/WideText.h"

namespace {

// Hands text over in pieces of at most 64 KiB (the calls take a DWORD
// count); put writes one and says how much it took, 0 on failure.
template <typename Char, typename Put>
bool InPieces(std::basic_string_view<Char> text, Put put) {
    while (!text.empty()) {
        const DWORD piece = text.size() > 0x8000 ? 0x8000 : static_cast<DWORD>(text.size());
        const DWORD taken = put(text.data(), piece);
        if (taken == 0) return false;
        text.remove_prefix(taken);
    }
    return true;
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    return InPieces(bytes, [file](const char* data, DWORD size) {
        DWORD written = 0;
        return WriteFile(file, data, size, &written, nullptr) ? written : 0;
    });
}

bool ToConsole(HANDLE console, std::wstring_view wide) {
    return InPieces(wide, [console](const wchar_t* data, DWORD size) {
        DWORD written = 0;
        return WriteConsoleW(console, data, size, &written, nullptr) ? written : 0;
    });
}

// Lines end in CR LF in a file, as the C runtime's text mode writes them.
std::wstring WithCrLf(std::wstring_view wide) {
    std::wstring lines;
    lines.reserve(wide.size() + wide.size() / 16);
    for (const wchar_t c : wide) {
        if (c == L'\n') lines += L'\r';
        lines += c;
    }
    return lines;
}

// A console shows UTF-16 whatever its code page; a file or pipe gets the
// ANSI code page, which the programs that read it (type, more, Notepad on a
// Japanese Windows) expect.
bool Write(EnStdStream stream, const std::wstring& wide) {
    HANDLE handle = GetStdHandle(stream == EnStdStream::Out ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return wide.empty();
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode)) return ToConsole(handle, wide);
    return WriteAll(handle, WideToCodePageLossy(GetACP(), WithCrLf(wide)));
}

}  // namespace

std::vector<std::string> ArgumentsUtf8(int, char**) {
    std::vector<std::string> args;
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide) return args;
    for (int i = 1; i < count; ++i) args.push_back(WideToCodePageLossy(kCodePageUtf8, wide[i]));
    LocalFree(wide);
    return args;
}

bool WriteStdText(EnStdStream stream, std::string_view sjis) {
    return Write(stream, CodePageToWideLossy(kCodePage932, sjis));
}

bool WriteStdUtf8(EnStdStream stream, std::string_view utf8) {
    return Write(stream, CodePageToWideLossy(kCodePageUtf8, utf8));
}
