#include "ExamineFixture.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "services/CodePage.h"

std::string ReadBytes(const std::string& path) {
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}

std::string WriteTemp(const std::string& name, std::string_view bytes) {
    // One folder per test, so that tests may run side by side.
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string folder = std::string(test->test_suite_name()) + "." + test->name();
    std::replace(folder.begin(), folder.end(), '/', '_');
    const std::string dir = ORBEK_BINARY_DIR "/inspect-test/" + folder;
    std::filesystem::create_directories(dir);
    const std::string path = dir + "/" + name;
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
