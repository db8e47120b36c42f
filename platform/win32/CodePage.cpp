#include "services/CodePage.h"

#include "platform/win32/WinApi.h"

#include <climits>

#include "common/Sjis.h"
#include "platform/win32/WideText.h"

namespace {

std::optional<std::wstring> ToWide(UINT codePage, std::string_view in) {
    std::wstring out;
    if (in.empty()) return out;
    if (in.size() > static_cast<std::size_t>(INT_MAX)) return std::nullopt;
    const int inLength = static_cast<int>(in.size());
    const int length = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, in.data(), inLength, nullptr, 0);
    if (length <= 0) return std::nullopt;
    out.resize(static_cast<std::size_t>(length));
    if (MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, in.data(), inLength, out.data(), length) != length)
        return std::nullopt;
    return out;
}

// Code page 932 must not substitute a look-alike or the default character:
// a character it cannot hold is refused.
std::optional<std::string> FromWide(UINT codePage, const std::wstring& in) {
    std::string out;
    if (in.empty()) return out;
    if (in.size() > static_cast<std::size_t>(INT_MAX)) return std::nullopt;
    const int inLength = static_cast<int>(in.size());
    const bool utf8 = codePage == CP_UTF8;
    const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* usedDefaultOut = utf8 ? nullptr : &usedDefault;
    const int length = WideCharToMultiByte(codePage, flags, in.data(), inLength, nullptr, 0, nullptr, usedDefaultOut);
    if (length <= 0 || usedDefault) return std::nullopt;
    out.resize(static_cast<std::size_t>(length));
    if (WideCharToMultiByte(codePage, flags, in.data(), inLength, out.data(), length, nullptr, usedDefaultOut) !=
            length ||
        usedDefault)
        return std::nullopt;
    return out;
}

std::optional<std::string> Convert(UINT from, UINT to, std::string_view in) {
    const auto wide = ToWide(from, in);
    if (!wide) return std::nullopt;
    return FromWide(to, *wide);
}

}  // namespace

std::optional<std::string> Utf8ToSjis(std::string_view utf8) { return Convert(CP_UTF8, kCodePage932, utf8); }

std::optional<std::string> SjisToUtf8(std::string_view sjis) { return Convert(kCodePage932, CP_UTF8, sjis); }

std::string Utf8ToSjisLossy(std::string_view utf8) {
    if (auto whole = Utf8ToSjis(utf8)) return *whole;
    if (utf8.size() > static_cast<std::size_t>(INT_MAX)) return {};
    // Invalid sequences become U+FFFD, which code page 932 cannot hold either.
    const int inLength = static_cast<int>(utf8.size());
    std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), inLength, nullptr, 0)),
                      L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), inLength, wide.data(), static_cast<int>(wide.size()));
    std::string out;
    for (std::size_t i = 0; i < wide.size();) {
        // A surrogate pair is one character.
        const bool pair = wide[i] >= 0xD800 && wide[i] <= 0xDBFF && i + 1 < wide.size();
        const std::size_t length = pair ? 2 : 1;
        out += FromWide(kCodePage932, wide.substr(i, length)).value_or("?");
        i += length;
    }
    return out;
}

std::string SjisToUtf8Lossy(std::string_view sjis) {
    if (auto whole = SjisToUtf8(sjis)) return *whole;
    std::string out;
    for (std::size_t pos = 0; pos < sjis.size();) {
        const std::size_t length = sjis::CharLengthAt(sjis, pos);
        if (auto one = SjisToUtf8(sjis.substr(pos, length))) {
            out += *one;
        } else {
            out += "\xEF\xBF\xBD";
        }
        pos += length;
    }
    return out;
}

std::wstring CodePageToWideLossy(unsigned codePage, std::string_view bytes) {
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT_MAX)) return {};
    const int inLength = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, 0, bytes.data(), inLength, nullptr, 0);
    std::wstring out(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), inLength, out.data(), length);
    return out;
}

std::string WideToCodePageLossy(unsigned codePage, std::wstring_view wide) {
    if (wide.empty() || wide.size() > static_cast<std::size_t>(INT_MAX)) return {};
    const int inLength = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(codePage, 0, wide.data(), inLength, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), inLength, out.data(), length, nullptr, nullptr);
    return out;
}
