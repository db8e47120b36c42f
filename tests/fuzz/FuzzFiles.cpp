#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "FuzzCheck.h"

namespace fuzz {

namespace {
struct ClPrivateFolder {
    ClPrivateFolder() {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/orbek-fuzz-XXXXXX";
        Check(::mkdtemp(pattern.data()) != nullptr, "a private folder can be made");
        path = pattern + "/";
    }
    ~ClPrivateFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::string path;
};
}  // namespace

const std::string& PrivateFolder() {
    static const ClPrivateFolder folder;
    return folder.path;
}

bool PutFile(const std::string& path, std::string_view content) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(content.data(), static_cast<std::streamsize>(content.size()));
    return static_cast<bool>(file.flush());
}

}  // namespace fuzz
