#include <string_view>

#include "app/DecimalText.h"
#include "app/ExportApp.h"
#include "engine/VkEngine.h"

// A comma is never the second byte of a double-byte character.
StCOMMANDLINE ClExportApp::ParseCommandLine(const char* text) {
    StCOMMANDLINE line;
    if (!text || !*text) return line;
    std::string_view rest(text);
    std::string_view field;
    auto nextField = [&rest, &field] {
        const std::size_t comma = rest.find(',');
        if (comma == std::string_view::npos) return false;
        field = rest.substr(0, comma);
        rest.remove_prefix(comma + 1);
        return true;
    };
    if (!nextField()) return line;
    line.window = static_cast<VkWindow>(static_cast<std::intptr_t>(DecimalValue(field)));
    if (!nextField()) return line;
    line.message = static_cast<std::uint32_t>(DecimalValue(field));
    if (!nextField()) return line;
    line.functionId = static_cast<std::int16_t>(DecimalValue(field));
    line.presetPath = std::string(rest);
    line.complete = true;
    return line;
}
