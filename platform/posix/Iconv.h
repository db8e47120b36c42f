#pragma once
// One iconv conversion descriptor, and the loops every conversion through it needs.
#include <iconv.h>

#include <cstddef>
#include <string>
#include <string_view>

class ClIconv {
public:
    ClIconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~ClIconv() {
        if (Ok()) iconv_close(cd_);
    }
    ClIconv(const ClIconv&) = delete;
    ClIconv& operator=(const ClIconv&) = delete;
    bool Ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts all of in; stops at the first byte that cannot be converted.
    // Returns the bytes consumed; out gets what was converted.
    std::size_t Convert(std::string_view in, std::string& out);

    // Converts all of in, putting replacement where a piece cannot be
    // converted; skip gives the length of that piece at the start of its text.
    std::string ConvertLossy(std::string_view in, std::string_view replacement,
                             std::size_t (*skip)(std::string_view rest));

private:
    iconv_t cd_;
};
