#include "examine/Terminal.h"

#include <langinfo.h>

#include "common/Sjis.h"
#include "platform/posix/Iconv.h"

std::string ToTerminal(std::string_view sjis) {
    ClIconv cd(nl_langinfo(CODESET), "CP932");
    if (!cd.Ok()) return std::string(sjis);
    // A character the codeset lacks, or a byte that is no character, is one "?".
    return cd.ConvertLossy(sjis, "?", [](std::string_view rest) { return sjis::CharLengthAt(rest, 0); });
}
