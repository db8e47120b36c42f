#include <cstring>

#include "examine/Checks.h"
#include "common/Sjis.h"

namespace {

constexpr std::string_view kDeclaration = "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n";

// The element a line belongs to: the name after its first "<".
std::string ElementOfLine(std::string_view line) {
    std::size_t open = line.find('<');
    if (open == std::string_view::npos) return {};
    std::size_t start = open + (open + 1 < line.size() && line[open + 1] == '/' ? 2 : 1);
    std::size_t end = line.find_first_of(" >", start);
    return std::string(line.substr(start, end == std::string_view::npos ? line.size() - start : end - start));
}

// Single bytes code page 932 leaves unassigned.
bool IsUnassignedSingle(unsigned char b) { return b == 0x80 || b == 0xA0 || b >= 0xFD; }

std::string Hex(unsigned char b) {
    const char* digits = "0123456789ABCDEF";
    return std::string("0x") + digits[b >> 4] + digits[b & 15];
}

// The first fault of one line without its CR LF, or empty.
std::string LineFault(std::string_view line) {
    std::size_t i = 0;
    while (i < line.size() && line[i] == '\t') ++i;  // the indentation
    while (i < line.size()) {
        const auto b = static_cast<unsigned char>(line[i]);
        if (b < 0x20 || b == 0x7F) return "制御文字 " + Hex(b) + " があります";
        if (sjis::IsLeadByte(b)) {
            if (i + 1 >= line.size() || !sjis::IsTrailByte(static_cast<unsigned char>(line[i + 1]))) {
                return "コードページ932の文字として読めないバイト " + Hex(b) + " があります";
            }
            const auto trail = static_cast<unsigned char>(line[i + 1]);
            if (!sjis::IsAssignedPair(b, trail)) {
                return "コードページ932にない文字 " + Hex(b) + " " + Hex(trail) + " があります";
            }
            i += 2;
            continue;
        }
        if (IsUnassignedSingle(b)) return "コードページ932にないバイト " + Hex(b) + " があります";
        ++i;
    }
    return {};
}

}  // namespace

std::vector<StFINDING> CheckBytes(std::string_view bytes) {
    std::vector<StFINDING> findings;
    if (!bytes.starts_with(kDeclaration)) {
        findings.push_back({1, "", "1行目が宣言 <?xml version=\"1.0\" encoding=\"Shift_JIS\"?> ではありません"});
    }
    int number = 0;
    for (std::size_t start = 0; start < bytes.size();) {
        ++number;
        std::size_t end = bytes.find('\n', start);
        bool lf = end != std::string_view::npos;
        if (!lf) end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        bool crlf = lf && line.ends_with('\r');
        if (crlf) line.remove_suffix(1);
        std::string fault = LineFault(line);
        if (fault.empty() && !crlf) fault = lf ? "行末が CR LF ではありません" : "ファイルが行の途中で終わっています";
        if (!fault.empty()) findings.push_back({number, ElementOfLine(line), fault});
        start = end + 1;
    }
    return findings;
}
