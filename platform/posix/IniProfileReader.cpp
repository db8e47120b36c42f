#include "platform/posix/IniProfileReader.h"

#include <fstream>
#include <sstream>

#include "common/Sjis.h"
#include "services/CodePage.h"

namespace {

// The definition file is a few lines; anything this large is not one.
constexpr std::size_t kMaxFileBytes = 1024 * 1024;

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

std::string ClIniProfileReader::GetString(const std::string& path, const char* section,
                                          const char* key, const char* defaultValue) {
    const std::string fallback = defaultValue ? defaultValue : "";
    auto utf8 = SjisToUtf8(path);
    if (!utf8 || !section || !key) return fallback;
    std::ifstream file(*utf8, std::ios::binary);
    if (!file) return fallback;
    std::string content;
    char buffer[4096];
    while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
        content.append(buffer, static_cast<std::size_t>(file.gcount()));
        if (content.size() > kMaxFileBytes) return fallback;
    }

    std::istringstream lines(content);
    bool inSection = false;
    for (std::string raw; std::getline(lines, raw);) {
        std::string_view line = Trim(raw);
        if (!line.empty() && line.back() == '\r') line = Trim(line.substr(0, line.size() - 1));
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            const std::size_t close = line.find(']');
            inSection = close != std::string_view::npos &&
                        sjis::EqualIgnoringCase(Trim(line.substr(1, close - 1)), section);
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inSection || equals == std::string_view::npos) continue;
        if (sjis::EqualIgnoringCase(Trim(line.substr(0, equals)), key)) {
            return std::string(Trim(line.substr(equals + 1)));
        }
    }
    return fallback;
}
