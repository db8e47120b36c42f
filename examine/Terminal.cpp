#include "examine/Terminal.h"

#include <iconv.h>
#include <langinfo.h>

#include <cerrno>

std::string ToTerminal(std::string_view sjis) {
    iconv_t cd = iconv_open(nl_langinfo(CODESET), "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(sjis);
    std::string out;
    char* src = const_cast<char*>(sjis.data());
    std::size_t left = sjis.size();
    char buffer[4096];
    while (left > 0) {
        char* dst = buffer;
        std::size_t room = sizeof buffer;
        const std::size_t rc = iconv(cd, &src, &left, &dst, &room);
        out.append(buffer, static_cast<std::size_t>(dst - buffer));
        if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {  // not in the codeset, or not code page 932
            out += '?';
            const std::size_t skip = left > 1 && static_cast<unsigned char>(*src) >= 0x81 ? 2 : 1;
            src += skip;
            left -= skip;
        }
    }
    iconv_close(cd);
    return out;
}
