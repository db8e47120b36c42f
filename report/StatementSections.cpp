// The statement sections: profit and loss, manufacturing cost, balance sheet
// and the monthly sales and purchases, each filled through a mapping table.
#include <cstring>

#include "report/KamokuMarks.h"
#include "report/ReportBuilder.h"
#include "report/ValueText.h"

namespace {
constexpr std::int16_t kByItemKey = 0;

// The summary row with this key, or a cleared row (empty name, zero amounts).
StAOSUMINFO LookUp(const StSUMMODEL& model, std::int32_t key) {
    StAOSUMINFO row{};
    FindSumRow(model, key, kByItemKey, &row);
    return row;
}

std::string KamokuText(const StAOSUMINFO& row) {
    std::string text;
    StripKamokuMarks({row.kamokuName, strnlen(row.kamokuName, sizeof row.kamokuName)}, text);
    return text;
}
}  // namespace

bool ClReportBuilder::WriteAmountTable(ClXmlWriter& writer, std::span<const StAMOUNTROW> table) {
    for (const StAMOUNTROW& entry : table) {
        StAOSUMINFO row = LookUp(model_, entry.key);
        if (entry.nameFlag == 1 && !Put(writer, (std::string(entry.tag) + "_KAMOKU").c_str(), KamokuText(row))) {
            return false;
        }
        if (!Put(writer, entry.tag, AmountText(row.amount))) return false;
    }
    return true;
}

bool ClReportBuilder::WriteBalanceTable(ClXmlWriter& writer, std::span<const StBALANCEROW> table) {
    StAOSUMINFO row{};
    for (std::size_t i = 0; i < table.size(); ++i) {
        const StBALANCEROW& entry = table[i];
        // The rows of one account are adjacent and share one lookup.
        if (i == 0 || entry.key != table[i - 1].key) row = LookUp(model_, entry.key);
        std::string text = entry.column == ColumnKamoku  ? KamokuText(row)
                           : entry.column == ColumnKisyu ? AmountText(row.kisyuAmount)
                                                         : AmountText(row.amount);
        if (!Put(writer, entry.tag.c_str(), text)) return false;
    }
    return true;
}

bool ClReportBuilder::WriteTsukibetsu(ClXmlWriter& writer) {
    constexpr std::size_t kSkippedSlot = 14;
    std::span<const char* const> tags = MonthlyTags();
    for (std::size_t i = 0; i < tags.size(); ++i) {
        std::size_t slot = i < kSkippedSlot ? i : i + 1;
        if (!Put(writer, tags[i], AmountText(model_.tsukibetsu.slots[slot]))) return false;
    }
    return true;
}
