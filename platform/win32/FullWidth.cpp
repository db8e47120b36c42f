#include "services/FullWidth.h"

#include <windows.h>

std::string MapFullWidth(std::string_view sjis) {
    std::string source(sjis);
    // Full width at most doubles every character; room for the terminator too.
    const int capacity = static_cast<int>((source.size() + 1) * 2);
    std::string wide(static_cast<std::size_t>(capacity), '\0');
    int n = LCMapStringA(GetSystemDefaultLCID(), LCMAP_FULLWIDTH, source.c_str(), -1, wide.data(), capacity);
    if (n <= 0) return source;                     // nothing mapped: the name as it stands
    wide.resize(static_cast<std::size_t>(n - 1));  // without the terminator
    return wide;
}
