#pragma once
// Conversion between the program's Shift_JIS (code page 932, Microsoft table)
// and UTF-8, for the platform boundaries only: terminal, file names, JSON.
// Implemented by platform/posix/CodePage.cpp (iconv) and
// platform/win32/CodePage.cpp; bound at link time (orbek_platform).
#include <optional>
#include <string>
#include <string_view>

// Empty optional when a character has no code page 932 form.
std::optional<std::string> Utf8ToSjis(std::string_view utf8);
// Empty optional when the bytes are not valid code page 932.
std::optional<std::string> SjisToUtf8(std::string_view sjis);
// For messages and diagnostics: invalid bytes become U+FFFD.
std::string SjisToUtf8Lossy(std::string_view sjis);
// For text from outside (a command line): every character code page 932
// cannot hold, and every invalid byte sequence, becomes "?".
std::string Utf8ToSjisLossy(std::string_view utf8);
