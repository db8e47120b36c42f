#pragma once
// The checks of an export. Each failed check is a finding with its line and
// element; an empty list means the file is one the exporter could have written.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "examine/Export.h"

// What the bytes say before any parser reads them, and the bytes to parse.
struct StBYTECHECK {
    std::vector<StFINDING> findings;
    std::string repaired;       // the bytes with every bad one replaced, same length; empty when none is bad
    std::size_t startTags = 0;  // how many elements the file starts, room to make for them
};
// The declaration line, every byte a code page 932 character, no control
// bytes, CR LF line ends between the elements; no markup the exporter never writes.
StBYTECHECK CheckBytes(std::string_view bytes);
// Names, order and depth against what the exporter writes for the file's
// return kind and income kind; COUNT numbering; list capacities.
std::vector<StFINDING> CheckStructure(const StEXPORT& file);
// Amounts and counts are integers, dates real dates, areas and codes well formed.
std::vector<StFINDING> CheckValues(const StEXPORT& file);
// The sums the statements define, where the file carries the parts and the result.
std::vector<StFINDING> CheckSums(const StEXPORT& file);

// Every check, in line order: the byte findings, the reader's, then the others.
std::vector<StFINDING> CheckExport(const std::vector<StFINDING>& byteFindings, const StEXPORT& file);

// An amount text as whole yen: empty is 0; null when it is no integer.
std::optional<long long> YenOf(std::string_view text);
