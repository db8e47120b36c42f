#include "report/TokusyuJijou.h"

#include <cstddef>

#include "common/Sjis.h"

namespace {
constexpr std::ptrdiff_t kExamined = 960;
constexpr unsigned char kCr = 0x0D;
constexpr unsigned char kLf = 0x0A;
}  // namespace

std::vector<std::string> SplitTokusyuJijou(std::string_view text, int width, int lines) {
    std::vector<std::string> out;
    if (lines < 1) return out;
    const auto wanted = static_cast<std::size_t>(lines);
    // The byte after the last examined one may still complete a CR LF or a character.
    std::string_view t = text.substr(0, static_cast<std::size_t>(kExamined) + 1);
    auto at = [&](std::ptrdiff_t p) -> unsigned char {
        return p < static_cast<std::ptrdiff_t>(t.size()) ? static_cast<unsigned char>(t[static_cast<std::size_t>(p)])
                                                         : 0;
    };
    std::ptrdiff_t s = 0;
    for (std::ptrdiff_t p = 0; p < kExamined; ++p) {
        bool crlf = at(p) == kCr && at(p + 1) == kLf;
        if (!crlf && at(p) != 0 && p - s != width) continue;
        if (p > 0 && sjis::IsTrailAt(t, static_cast<std::size_t>(p))) --p;  // the character begins the next line
        out.emplace_back(t.substr(static_cast<std::size_t>(s), static_cast<std::size_t>(p - s)));
        if (at(p) == 0) break;
        if (out.size() == wanted) return out;
        crlf = at(p) == kCr && at(p + 1) == kLf;
        s = crlf ? p + 2 : p;
    }
    out.resize(wanted);
    return out;
}
