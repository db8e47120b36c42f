#pragma once
// What every fuzz target shares: the libFuzzer entry point's signature, a
// check that stops the run (a finding) with the broken property named, and
// files in a private folder for targets that read real files.
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fuzz {

inline void Check(bool holds, const char* property) {
    if (holds) return;
    std::fprintf(stderr, "fuzz finding: %s\n", property);
    std::abort();
}

inline std::string_view Bytes(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Puts content in the file name, in a folder of this process's own below
// TMPDIR (or /tmp) that is removed at exit; that folder, without a final "/".
inline std::string PutFile(const char* name, std::string_view content) {
    static const struct ClPrivateFolder {
        ClPrivateFolder() {
            const char* tmp = std::getenv("TMPDIR");
            path = std::string(tmp && *tmp ? tmp : "/tmp") + "/orbek-fuzz-XXXXXX";
            Check(::mkdtemp(path.data()) != nullptr, "a private folder can be made");
        }
        ~ClPrivateFolder() {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
        std::string path;
    } folder;
    std::ofstream file(folder.path + "/" + name, std::ios::binary | std::ios::trunc);
    file.write(content.data(), static_cast<std::streamsize>(content.size()));
    Check(static_cast<bool>(file.flush()), "the input file can be written");
    return folder.path;
}

}  // namespace fuzz
