#include "output/Sjis.h"

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

}  // namespace sjis
