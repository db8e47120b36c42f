#include "services/CodePage.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "common/Sjis.h"
#include "platform/posix/Iconv.h"
#include "platform/posix/Utf8Table.h"

namespace {

// "CP932" is the Microsoft table (0x81 0x60 <-> U+FF5E); "SHIFT_JIS" is not.
// One descriptor per direction stays open for the program's life: opening
// one costs far more than converting a short text.
ClIconv& ToSjis() {
    thread_local ClIconv cd("CP932", "UTF-8");
    return cd;
}

ClIconv& ToUtf8() {
    thread_local ClIconv cd("UTF-8", "CP932");
    return cd;
}

std::optional<std::string> ConvertAll(ClIconv& cd, std::string_view in) {
    if (!cd.Ok()) return std::nullopt;
    std::string out;
    if (cd.Convert(in, out) != in.size()) return std::nullopt;
    return out;
}

// The code page 932 form of each character of the basic plane, asked of
// iconv one character at a time the first time it is needed: a text of known
// characters then converts without a call into iconv. (Code page 932 converts
// character by character, so the result is the same as converting the text.)
class ClSjisTable {
public:
    // Writes the form of code point cp (below 0x10000; utf8 is its UTF-8
    // form) at out, advancing it; false when it has none.
    bool Put(std::uint32_t cp, std::string_view utf8, char*& out) {
        if (codes_.empty()) codes_.assign(0x10000, kUnknown);
        std::uint16_t& code = codes_[cp];
        if (code == kUnknown) code = Learn(utf8);
        if (code == kNone) return false;
        if (code >= 0x100) *out++ = static_cast<char>(code >> 8);
        *out++ = static_cast<char>(code & 0xFF);
        return true;
    }

private:
    // A single byte is kept as it is, a double byte with its lead byte
    // (0x81 or above) high; no lead byte is 0xFF.
    static constexpr std::uint16_t kUnknown = 0xFFFE;
    static constexpr std::uint16_t kNone = 0xFFFF;

    static std::uint16_t Learn(std::string_view utf8) {
        std::string sjis;
        if (!ToSjis().Ok() || ToSjis().Convert(utf8, sjis) != utf8.size()) return kNone;
        if (sjis.size() == 1) return static_cast<unsigned char>(sjis[0]);
        if (sjis.size() == 2) {
            return static_cast<std::uint16_t>(static_cast<unsigned char>(sjis[0]) << 8 |
                                              static_cast<unsigned char>(sjis[1]));
        }
        return kNone;
    }

    std::vector<std::uint16_t> codes_;
};

// The code point of the UTF-8 character of one to three bytes at text[i], and
// its length; 0 for anything else (four-byte and ill-formed sequences).
std::size_t DecodeBasic(std::string_view text, std::size_t i, std::uint32_t& cp) {
    const auto lead = static_cast<unsigned char>(text[i]);
    auto cont = [&](std::size_t k) {
        return i + k < text.size() && (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
    };
    auto bits = [&](std::size_t k) { return static_cast<std::uint32_t>(text[i + k]) & 0x3F; };
    if (lead < 0x80) {
        cp = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF && cont(1)) {
        cp = (lead & 0x1Fu) << 6 | bits(1);
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF && cont(1) && cont(2)) {
        cp = (lead & 0x0Fu) << 12 | bits(1) << 6 | bits(2);
        return cp >= 0x800 && (cp < 0xD800 || cp > 0xDFFF) ? 3 : 0;
    }
    return 0;
}

// The UTF-8 form of each character (at most three bytes, as every code page
// 932 character is in the basic plane), indexed by its one or two bytes;
// the high byte holds the length, 0 while the character is not yet known.
class ClUtf8Table {
public:
    // The form of the character sjis, or kNone.
    std::uint32_t FormOf(std::string_view sjis) {
        if (forms_.empty()) forms_.assign(0x10000, 0);
        std::uint32_t& form = forms_[Index(sjis)];
        if (form == 0) form = Learn(sjis);
        return form;
    }

    static constexpr std::uint32_t kNone = 0xFF000000;

private:
    static std::size_t Index(std::string_view sjis) {
        const auto first = static_cast<unsigned char>(sjis[0]);
        return sjis.size() == 1 ? first : first << 8 | static_cast<unsigned char>(sjis[1]);
    }

    static std::uint32_t Learn(std::string_view sjis) {
        std::string utf8;
        if (!ToUtf8().Ok() || ToUtf8().Convert(sjis, utf8) != sjis.size() || utf8.empty() || utf8.size() > 3)
            return kNone;
        std::uint32_t form = static_cast<std::uint32_t>(utf8.size()) << 24;
        for (std::size_t k = 0; k < utf8.size(); ++k)
            form |= static_cast<std::uint32_t>(static_cast<unsigned char>(utf8[k])) << (8 * k);
        return form;
    }

    std::vector<std::uint32_t> forms_;
};

}  // namespace

std::optional<std::string> Utf8ToSjis(std::string_view utf8) {
    thread_local ClSjisTable table;
    // No character takes more bytes in code page 932 than in UTF-8.
    std::string out(utf8.size(), '\0');
    char* at = out.data();
    for (std::size_t i = 0; i < utf8.size();) {
        std::uint32_t cp = 0;
        const std::size_t length = DecodeBasic(utf8, i, cp);
        if (length == 0) return ConvertAll(ToSjis(), utf8);  // iconv decides what the table does not know
        if (!table.Put(cp, utf8.substr(i, length), at)) return std::nullopt;
        i += length;
    }
    out.resize(static_cast<std::size_t>(at - out.data()));
    return out;
}

StUTF8PIECE SjisToUtf8Piece(std::string_view sjis, char* out, std::size_t room) {
    thread_local ClUtf8Table table;
    StUTF8PIECE piece;
    while (piece.used < sjis.size()) {
        // A run of ASCII is itself; most of an export is markup and figures.
        const std::size_t most = std::min(sjis.size() - piece.used, room - piece.written);
        std::size_t run = 0;
        for (std::uint64_t eight = 0; run + 8 <= most; run += 8) {  // eight bytes at a time
            std::memcpy(&eight, sjis.data() + piece.used + run, 8);
            if (eight & 0x8080808080808080ULL) break;
        }
        while (run < most && static_cast<unsigned char>(sjis[piece.used + run]) < 0x80) ++run;
        std::memcpy(out + piece.written, sjis.data() + piece.used, run);
        piece.used += run;
        piece.written += run;
        if (piece.used == sjis.size() || run == most) break;
        const auto first = static_cast<unsigned char>(sjis[piece.used]);
        const std::size_t length = sjis::IsLeadByte(first) ? 2 : 1;
        if (piece.used + length > sjis.size()) break;
        const std::uint32_t form = table.FormOf(sjis.substr(piece.used, length));
        if (form == ClUtf8Table::kNone) {
            piece.invalid = true;
            break;
        }
        const std::size_t size = form >> 24;
        if (room - piece.written < size) break;
        for (std::size_t k = 0; k < size; ++k) out[piece.written++] = static_cast<char>(form >> (8 * k));
        piece.used += length;
    }
    return piece;
}

std::optional<std::string> SjisToUtf8(std::string_view sjis) {
    // A character takes at most three bytes in UTF-8 (a half-width katakana three from one).
    std::string out(sjis.size() * 3, '\0');
    const StUTF8PIECE piece = SjisToUtf8Piece(sjis, out.data(), out.size());
    if (piece.used != sjis.size()) return std::nullopt;  // a byte that is no character, or one cut off
    out.resize(piece.written);
    return out;
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
    ClIconv& cd = ToUtf8();
    if (!cd.Ok()) return {};
    return cd.ConvertLossy(sjis, "\xEF\xBF\xBD", [](std::string_view) -> std::size_t { return 1; });
}
