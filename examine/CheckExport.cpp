#include <algorithm>

#include "examine/Checks.h"

std::vector<StFINDING> CheckExport(std::string_view bytes, const StEXPORT& file) {
    std::vector<StFINDING> all = file.findings;
    for (auto check : {CheckStructure, CheckValues, CheckSums}) {
        std::vector<StFINDING> found = check(file);
        all.insert(all.end(), found.begin(), found.end());
    }
    std::vector<StFINDING> raw = CheckBytes(bytes);
    all.insert(all.end(), raw.begin(), raw.end());
    std::stable_sort(all.begin(), all.end(), [](const StFINDING& a, const StFINDING& b) { return a.line < b.line; });
    return all;
}
