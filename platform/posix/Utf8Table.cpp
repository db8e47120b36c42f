#include "platform/posix/Utf8Table.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "common/Sjis.h"
#include "platform/posix/Iconv.h"

namespace {

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
        thread_local ClIconv cd("UTF-8", "CP932");
        std::string utf8;
        if (!cd.Ok() || cd.Convert(sjis, utf8) != sjis.size() || utf8.empty() || utf8.size() > 3) return kNone;
        std::uint32_t form = static_cast<std::uint32_t>(utf8.size()) << 24;
        for (std::size_t k = 0; k < utf8.size(); ++k)
            form |= static_cast<std::uint32_t>(static_cast<unsigned char>(utf8[k])) << (8 * k);
        return form;
    }

    std::vector<std::uint32_t> forms_;
};

}  // namespace

StUTF8PIECE SjisToUtf8Piece(std::string_view sjis, char* out, std::size_t room) {
    thread_local ClUtf8Table table;
    StUTF8PIECE piece;
    while (piece.used < sjis.size()) {
        // A run of ASCII is itself; most of an export is markup and figures.
        const std::size_t most = std::min(sjis.size() - piece.used, room - piece.written);
        std::size_t run = 0;
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
