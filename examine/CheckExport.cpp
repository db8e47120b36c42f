#include <algorithm>

#include "examine/Checks.h"

std::vector<StFINDING> CheckExport(const std::vector<StFINDING>& byteFindings, const StEXPORT& file) {
    std::vector<StFINDING> all = byteFindings;
    all.insert(all.end(), file.findings.begin(), file.findings.end());
    for (auto check : {CheckStructure, CheckValues, CheckSums}) {
        std::vector<StFINDING> found = check(file);
        all.insert(all.end(), found.begin(), found.end());
    }
    std::stable_sort(all.begin(), all.end(), [](const StFINDING& a, const StFINDING& b) { return a.line < b.line; });
    return all;
}
