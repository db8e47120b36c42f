#include "services/ResourceString.h"

#include <windows.h>

#include "resources/StringTable.h"

std::string LoadResourceString(unsigned id) {
    char text[256] = {};
    int n = LoadStringA(GetModuleHandleA(nullptr), id, text, sizeof text);
    if (n > 0) return std::string(text, static_cast<std::size_t>(n));
    // A program linked without the resource script (the tests) has the same
    // strings compiled in.
    const char* builtIn = FindStringResource(id);
    return builtIn ? builtIn : "";
}
