#include "platform/posix/IniProfileReader.h"

#include <sstream>

#include "common/Sjis.h"
#include "platform/posix/RegularFile.h"
#include "services/CodePage.h"

namespace {

// The definition file is a few lines; anything this large is not one.
constexpr std::size_t kMaxFileBytes = 1024 * 1024;

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A value enclosed in a pair of double or single quotes loses that pair.
// Neither quote byte can be the second byte of a double-byte character.
std::string_view Unquoted(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

}  // namespace

std::string ClIniProfileReader::GetString(const std::string& path, const char* section, const char* key,
                                          const char* defaultValue) {
    const std::string fallback = defaultValue ? defaultValue : "";
    auto utf8 = SjisToUtf8(path);
    if (!utf8 || !section || !key) return fallback;
    std::string content;
    if (ReadRegularFile(*utf8, content, kMaxFileBytes) != EnReadResult::Read) return fallback;

    std::istringstream lines(content);
    bool inSection = false;
    for (std::string raw; std::getline(lines, raw);) {
        std::string_view line = Trim(raw);
        if (!line.empty() && line.back() == '\r') line = Trim(line.substr(0, line.size() - 1));
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            const std::size_t close = line.find(']');
            inSection =
                close != std::string_view::npos && sjis::EqualIgnoringCase(Trim(line.substr(1, close - 1)), section);
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inSection || equals == std::string_view::npos) continue;
        if (sjis::EqualIgnoringCase(Trim(line.substr(0, equals)), key)) {
            return std::string(Unquoted(Trim(line.substr(equals + 1))));
        }
    }
    return fallback;
}
