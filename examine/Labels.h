#pragma once
// The Japanese label and value kind of every element of an export, from one
// table. Numbered elements (KEIHI_YOBI3, TOKUSYUJIJOU12) and the balance-sheet
// columns (_KISYU, _KIMATU, _KAMOKU) are found through their stem.
#include <string>
#include <string_view>

enum class EnValueKind { Text, Amount, Count, Date, Month, Area, Code, Container };

struct StLABEL {
    std::string label;  // Shift_JIS
    EnValueKind kind = EnValueKind::Text;
    bool known = false;
};

StLABEL LabelOf(std::string_view name);
// The heading of a section element (損益計算書, 給料賃金の内訳, …).
std::string SectionTitle(std::string_view name);
