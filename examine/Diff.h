#pragma once
// The figures and list rows that differ between two exports of one company.
#include <string>
#include <vector>

#include "examine/Export.h"

struct StCHANGE {
    std::string where;  // section, row and item, Shift_JIS
    std::string before, after;
    bool removed = false, added = false;
};

std::vector<StCHANGE> DiffExports(const StEXPORT& before, const StEXPORT& after);
// One line per change (Shift_JIS).
std::string RenderChanges(const std::vector<StCHANGE>& changes);
