# Writes OUTPUT: a C++ source that returns the bytes of INPUT unchanged.
file(READ ${INPUT} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){16})" "\\1\n" bytes "${bytes}")
file(WRITE ${OUTPUT} "// Generated from ${INPUT}; do not edit.
#include <string_view>

#include \"standin/StandinCore.h\"

namespace {
const unsigned char kBytes[] = {
${bytes}
};
}  // namespace

std::string_view DemoDatasetJson() { return {reinterpret_cast<const char*>(kBytes), sizeof kBytes}; }
")
