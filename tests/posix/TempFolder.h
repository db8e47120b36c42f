#pragma once
// A fresh folder below /tmp, removed with everything in it afterwards.
#include <stdlib.h>

#include <string>

class TempFolder {
public:
    TempFolder() {
        char name[] = "/tmp/orbek-test-XXXXXX";
        path = mkdtemp(name) ? name : "";
    }
    ~TempFolder() {
        if (!path.empty()) std::system(("rm -rf '" + path + "'").c_str());
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::string path;  // UTF-8 (ASCII), without a trailing "/"
};

// UTF-8 text of a u8 literal.
inline std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }
