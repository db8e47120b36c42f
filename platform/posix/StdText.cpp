#include "services/StdText.h"

#include <langinfo.h>

#include <cstdio>

#include "common/Sjis.h"
#include "platform/posix/Iconv.h"

namespace {

bool Write(EnStdStream stream, std::string_view bytes) {
    std::FILE* file = stream == EnStdStream::Out ? stdout : stderr;
    return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
}

}  // namespace

std::vector<std::string> ArgumentsUtf8(int argc, char** argv) { return {argv + 1, argv + argc}; }

bool WriteStdText(EnStdStream stream, std::string_view sjis) {
    ClIconv cd(nl_langinfo(CODESET), "CP932");
    if (!cd.Ok()) return Write(stream, sjis);
    return Write(stream, cd.ConvertLossy(sjis, "?", [](std::string_view rest) { return sjis::CharLengthAt(rest, 0); }));
}

bool WriteStdUtf8(EnStdStream stream, std::string_view utf8) { return Write(stream, utf8); }
