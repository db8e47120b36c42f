#include "InspectFixture.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/CodePage.h"

std::string ReadBytes(const std::string& path) {
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}

std::string WriteTemp(const std::string& name, std::string_view bytes) {
    std::filesystem::create_directories(ORBEK_BINARY_DIR "/inspect-test");
    const std::string path = ORBEK_BINARY_DIR "/inspect-test/" + name;
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

int LineOf(std::string_view bytes, std::string_view needle) {
    const std::size_t at = bytes.find(needle);
    if (at == std::string_view::npos) return 0;
    return 1 + static_cast<int>(std::count(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(at), '\n'));
}

std::string Replaced(std::string bytes, std::string_view find, std::string_view replacement) {
    const std::size_t at = bytes.find(find);
    EXPECT_NE(at, std::string::npos) << "fixture text missing: " << find;
    if (at != std::string::npos) bytes.replace(at, find.size(), replacement);
    return bytes;
}

std::string Utf8(const std::string& sjis) { return SjisToUtf8Lossy(sjis); }
