#pragma once
// A fresh folder below /tmp, removed with everything in it afterwards.
#include <stdlib.h>

#include <filesystem>
#include <string>

class TempFolder {
public:
    TempFolder() {
        char name[] = "/tmp/orbek-test-XXXXXX";
        path = mkdtemp(name) ? name : "";
    }
    ~TempFolder() {
        std::error_code ignored;
        if (!path.empty()) std::filesystem::remove_all(path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::string path;  // UTF-8 (ASCII), without a trailing "/"
};

// UTF-8 text of a u8 literal.
inline std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }
