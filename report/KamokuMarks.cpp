#include "report/KamokuMarks.h"

#include <array>

#include "common/Sjis.h"

namespace {
// In this order of trial.
constexpr std::array<std::string_view, 11> kMarks = {" ", "　", "【", "】", "《", "》", "（", "）", "［", "］", "(製)"};
}  // namespace

bool StripKamokuMarks(std::string_view name, std::string& output) {
    if (name.empty()) return false;
    std::string out;
    out.reserve(name.size());
    std::size_t pos = 0;
    while (pos < name.size()) {
        std::string_view rest = name.substr(pos);
        std::size_t skip = 0;
        for (std::string_view mark : kMarks) {
            if (rest.starts_with(mark)) {
                skip = mark.size();
                break;
            }
        }
        if (skip == 0) {
            std::size_t len = sjis::CharLengthAt(name, pos);
            out.append(rest.substr(0, len));
            skip = len;
        }
        pos += skip;
    }
    output = std::move(out);
    return true;
}
