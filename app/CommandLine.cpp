#include <string_view>

#include "app/DecimalText.h"
#include "app/ExportApp.h"

// "window,message,functionId,outputPath": the path is the whole rest, commas
// and all. A comma is never the second byte of a double-byte character.
// What was read before a missing comma stays read.
int ClExportApp::ParseCommandLine(const char* text) {
    if (!text || !*text) return 0;
    std::string_view rest(text);
    std::string_view field;
    auto nextField = [&rest, &field] {
        const std::size_t comma = rest.find(',');
        if (comma == std::string_view::npos) return false;
        field = rest.substr(0, comma);
        rest.remove_prefix(comma + 1);
        return true;
    };
    if (!nextField()) return 0;
    callerWindow = static_cast<VkWindow>(static_cast<std::intptr_t>(DecimalValue(field)));
    if (!nextField()) return 0;
    callerMessage = static_cast<std::uint32_t>(DecimalValue(field));
    if (!nextField()) return 0;
    functionId = static_cast<std::int16_t>(DecimalValue(field));
    if (!rest.empty()) presetPath = std::string(rest);
    return 1;
}
