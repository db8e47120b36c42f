#include "resources/StringTable.h"

namespace {
struct StSTRINGRESOURCE {
    unsigned id;
    const char* text;
};

constexpr StSTRINGRESOURCE kStrings[] = {
    {IDS_CONNECTEDPROGRAMVER, CONNECTEDPROGRAMVER_TEXT},
};
}  // namespace

const char* FindStringResource(unsigned id) {
    for (const auto& s : kStrings) {
        if (s.id == id) return s.text;
    }
    return nullptr;
}
