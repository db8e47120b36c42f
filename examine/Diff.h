#pragma once
// The figures and list rows that differ between two exports of one company:
// figures are matched by section and element, list rows by content (the
// longest common subsequence of the rows), so that one row removed from a
// long list is one difference.
#include <string>
#include <vector>

#include "examine/Export.h"

struct StCHANGE {
    std::string where;  // section, row and item, Shift_JIS
    std::string before, after;
    bool removed = false, added = false;
};

// Whether two exports are of one company's one return: the same return kind,
// income kind and fiscal period (a corrected company name is a difference).
// When not, reason says why (Shift_JIS).
bool SameKindOfExport(const StEXPORT& before, const StEXPORT& after, std::string& reason);

std::vector<StCHANGE> DiffExports(const StEXPORT& before, const StEXPORT& after);
// One line per change (Shift_JIS).
std::string RenderChanges(const std::vector<StCHANGE>& changes);
