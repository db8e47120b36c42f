#pragma once
// What the summary shows, independent of where it goes: the head facts and
// one table per section. The text and the HTML page render the same view.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "examine/Export.h"

struct StROW {
    std::vector<std::string> cells;  // Shift_JIS
    bool failed = false;             // a check failed on one of its elements
};

struct StTABLE {
    std::string title;
    std::vector<std::string> header;
    std::vector<bool> numeric;  // per column: right-aligned
    std::vector<StROW> rows;
    std::size_t omitted = 0;  // rows of a long list not shown
};

struct StVIEW {
    std::vector<std::pair<std::string, std::string>> head;
    std::vector<StTABLE> tables;
    std::vector<StFINDING> findings;
};

// Lists longer than this show their first rows only, unless every row is asked for.
constexpr std::size_t kShownRows = 10;

StVIEW BuildView(const StEXPORT& file, const std::vector<StFINDING>& findings, bool allRows);

// A finding as one line: line, element, message; a warning says so.
std::string FindingText(const StFINDING& f);
// The findings that fail the file (warnings do not).
std::size_t FailedChecks(const std::vector<StFINDING>& findings);

// Whole yen with digit grouping, negatives marked with △; empty stays empty.
std::string GroupedYen(std::string_view text);
// A one-line text with its TAB, CR and LF shown as \t, \r and \n.
std::string ShownEscaped(std::string_view text);
// Terminal columns of a Shift_JIS text: double-byte characters take two.
std::size_t DisplayWidth(std::string_view sjis);
