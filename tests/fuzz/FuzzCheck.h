#pragma once
// What every fuzz target shares: the libFuzzer entry point's signature, a
// check that stops the run (a finding) with the broken property named, and a
// private folder for targets that read real files.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
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

// A folder of this process's own below TMPDIR (or /tmp), ending with "/".
const std::string& PrivateFolder();

// Puts content in the file at path; false when it cannot be written.
bool PutFile(const std::string& path, std::string_view content);

}  // namespace fuzz
