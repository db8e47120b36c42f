#include "services/CodePage.h"

#include <iconv.h>

#include <cerrno>

namespace {

// "CP932" is the Microsoft table (0x81 0x60 <-> U+FF5E); "SHIFT_JIS" is not.
class ClIconv {
public:
    ClIconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~ClIconv() {
        if (Ok()) iconv_close(cd_);
    }
    ClIconv(const ClIconv&) = delete;
    ClIconv& operator=(const ClIconv&) = delete;
    bool Ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts all of in; stops at the first byte that cannot be converted.
    // Returns the bytes consumed; out gets what was converted.
    std::size_t Convert(std::string_view in, std::string& out) {
        char* src = const_cast<char*>(in.data());
        std::size_t left = in.size();
        char buffer[1024];
        while (left > 0) {
            char* dst = buffer;
            std::size_t room = sizeof buffer;
            std::size_t rc = iconv(cd_, &src, &left, &dst, &room);
            out.append(buffer, static_cast<std::size_t>(dst - buffer));
            if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) break;
        }
        return in.size() - left;
    }

private:
    iconv_t cd_;
};

std::optional<std::string> ConvertAll(const char* to, const char* from, std::string_view in) {
    ClIconv cd(to, from);
    if (!cd.Ok()) return std::nullopt;
    std::string out;
    if (cd.Convert(in, out) != in.size()) return std::nullopt;
    return out;
}

}  // namespace

std::optional<std::string> Utf8ToSjis(std::string_view utf8) {
    return ConvertAll("CP932", "UTF-8", utf8);
}

std::optional<std::string> SjisToUtf8(std::string_view sjis) {
    return ConvertAll("UTF-8", "CP932", sjis);
}

std::string Utf8ToSjisLossy(std::string_view utf8) {
    if (auto whole = Utf8ToSjis(utf8)) return *whole;
    std::string sjis;
    for (std::size_t i = 0; i < utf8.size();) {
        // The length of the character from its lead byte.
        std::size_t len = 1;
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead >= 0xF0) {
            len = 4;
        } else if (lead >= 0xE0) {
            len = 3;
        } else if (lead >= 0xC0) {
            len = 2;
        }
        sjis += Utf8ToSjis(utf8.substr(i, len)).value_or("?");
        i += len;
    }
    return sjis;
}

std::string SjisToUtf8Lossy(std::string_view sjis) {
    ClIconv cd("UTF-8", "CP932");
    std::string out;
    if (!cd.Ok()) return out;
    while (!sjis.empty()) {
        std::size_t used = cd.Convert(sjis, out);
        sjis.remove_prefix(used);
        if (!sjis.empty()) {
            out += "\xEF\xBF\xBD";
            sjis.remove_prefix(1);
        }
    }
    return out;
}
