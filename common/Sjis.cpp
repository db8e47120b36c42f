#include "common/Sjis.h"

namespace sjis {

std::size_t CharLengthAt(std::string_view text, std::size_t pos) {
    if (pos + 1 < text.size() && IsLeadByte(static_cast<unsigned char>(text[pos])) &&
        IsTrailByte(static_cast<unsigned char>(text[pos + 1]))) {
        return 2;
    }
    return 1;
}

bool IsTrailAt(std::string_view text, std::size_t pos) {
    std::size_t i = 0;
    while (i < pos) {
        std::size_t len = CharLengthAt(text, i);
        if (i + len > pos) return true;
        i += len;
    }
    return false;
}

std::size_t CutLength(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) return text.size();
    std::size_t i = 0;
    while (i < maxBytes) {
        std::size_t len = CharLengthAt(text, i);
        if (i + len > maxBytes) break;
        i += len;
    }
    return i;
}

namespace {
char FoldCase(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
}  // namespace

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size();) {
        const std::size_t len = CharLengthAt(a, i);
        if (len == 1 ? FoldCase(a[i]) != FoldCase(b[i]) : a.substr(i, 2) != b.substr(i, 2)) {
            return false;
        }
        i += len;
    }
    return true;
}

}  // namespace sjis
