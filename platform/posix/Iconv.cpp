#include "platform/posix/Iconv.h"

#include <algorithm>
#include <cerrno>

std::size_t ClIconv::Convert(std::string_view in, std::string& out) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
    char* src = const_cast<char*>(in.data());
    std::size_t left = in.size();
    char buffer[1024];
    while (left > 0) {
        char* dst = buffer;
        std::size_t room = sizeof buffer;
        std::size_t rc = iconv(cd_, &src, &left, &dst, &room);
        out.append(buffer, static_cast<std::size_t>(dst - buffer));
        if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) break;
    }
    return in.size() - left;
}

std::string ClIconv::ConvertLossy(std::string_view in, std::string_view replacement,
                                  std::size_t (*skip)(std::string_view rest)) {
    std::string out;
    while (!in.empty()) {
        in.remove_prefix(Convert(in, out));
        if (in.empty()) break;
        out += replacement;
        in.remove_prefix(std::min(in.size(), skip(in)));
    }
    return out;
}
