#include "platform/posix/FullWidthMap.h"

#include "common/Sjis.h"

namespace {
// The full-width forms of 0x21-0x7E (U+FF01-U+FF5E) and of 0xA1-0xDF, two
// bytes each; the literals are code page 932 in the program.
constexpr std::string_view kAscii =
    "！＂＃＄％＆＇（）＊＋，－．／０１２３４５６７８９：；＜＝＞？＠ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯ"
    "ＰＱＲＳＴＵＶＷＸＹＺ［＼］＾＿｀ａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗｘｙｚ｛｜｝～";
constexpr std::string_view kKana =
    "。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホ"
    "マミムメモヤユヨラリルレロワン゛゜";
static_assert(kAscii.size() == 2 * (0x7E - 0x21 + 1));
static_assert(kKana.size() == 2 * (0xDF - 0xA1 + 1));

constexpr unsigned char kVoiced = 0xDE;
constexpr unsigned char kSemiVoiced = 0xDF;

// In code page 932 the voiced form of カ-ト and ハ-ホ directly follows the
// plain one, the semi-voiced form of ハ-ホ comes second; ウ is the exception.
bool TakesVoiced(unsigned char b) { return (b >= 0xB6 && b <= 0xC4) || (b >= 0xCA && b <= 0xCE); }
bool TakesSemiVoiced(unsigned char b) { return b >= 0xCA && b <= 0xCE; }
constexpr std::string_view kVu = "ヴ";
}  // namespace

std::string FullWidthForm(std::string_view sjis) {
    std::string out;
    out.reserve(sjis.size() * 2);
    std::size_t i = 0;
    while (i < sjis.size()) {
        auto b = static_cast<unsigned char>(sjis[i]);
        std::size_t len = sjis::CharLengthAt(sjis, i);
        if (len == 2 || b < 0x20 || b == 0x7F || (b > 0x7E && b < 0xA1) || b > 0xDF) {
            out.append(sjis.substr(i, len));  // double-byte or nothing to map
            i += len;
            continue;
        }
        if (b == 0x20) {
            out.append("　");
            ++i;
            continue;
        }
        if (b <= 0x7E) {
            out.append(kAscii.substr(2 * (b - 0x21), 2));
            ++i;
            continue;
        }
        std::string_view wide = kKana.substr(2 * (b - 0xA1), 2);
        unsigned char next = i + 1 < sjis.size() ? static_cast<unsigned char>(sjis[i + 1]) : 0;
        if (next == kVoiced && b == 0xB3) {
            out.append(kVu);
            i += 2;
        } else if ((next == kVoiced && TakesVoiced(b)) || (next == kSemiVoiced && TakesSemiVoiced(b))) {
            out.push_back(wide[0]);
            out.push_back(static_cast<char>(static_cast<unsigned char>(wide[1]) + (next == kVoiced ? 1 : 2)));
            i += 2;
        } else {
            out.append(wide);
            ++i;
        }
    }
    return out;
}
