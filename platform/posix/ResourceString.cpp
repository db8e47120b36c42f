#include "services/ResourceString.h"

#include "resources/StringTable.h"

std::string LoadResourceString(unsigned id) {
    const char* text = FindStringResource(id);
    return text ? text : "";
}
