#include "common/TempFileName.h"

namespace {

constexpr std::int64_t kStaleSeconds = 60 * 60;
constexpr char kHexDigits[] = "0123456789abcdef";

}  // namespace

bool IsTempFileName(const StTEMPNAME& pattern, std::string_view name) {
    const std::size_t digitsEnd = pattern.prefix.size() + pattern.hexDigits;
    if (name.size() != digitsEnd + pattern.suffix.size()) return false;
    if (!name.starts_with(pattern.prefix) || !name.ends_with(pattern.suffix)) return false;
    const std::string_view hex = name.substr(pattern.prefix.size(), pattern.hexDigits);
    return hex.find_first_not_of(kHexDigits) == std::string_view::npos;
}

std::string TempFileName(const StTEMPNAME& pattern, std::uint64_t value) {
    std::string name(pattern.prefix);
    for (std::size_t shift = pattern.hexDigits * 4; shift > 0; shift -= 4) {
        name += kHexDigits[(value >> (shift - 4)) & 0xF];
    }
    name += pattern.suffix;
    return name;
}

bool IsStaleTempFile(bool regularFile, std::int64_t secondsSinceWritten) {
    return regularFile && secondsSinceWritten > kStaleSeconds;
}
