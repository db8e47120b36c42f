#pragma once
// An export as the inspector holds it: every element in file order with its
// depth, line and text. Texts are Shift_JIS (code page 932) like everywhere in
// the program; the platform's XML reader delivers them so.
#include <string>
#include <string_view>
#include <vector>

struct StELEMENT {
    std::string name;
    std::string text;  // leaf elements only
    int line = 0;      // 1-based line of the start tag
    int depth = 0;     // 0 for the root
    int count = 0;     // the COUNT attribute of a list row, 0 when absent
    bool leaf = true;  // no child elements
};

// One failed check: where, which element and what is wrong (Shift_JIS).
struct StFINDING {
    int line = 0;
    std::string element;
    std::string message;
    bool warning = false;  // worth a look, but the file may still be imported
};

struct StEXPORT {
    std::vector<StELEMENT> elements;
    std::vector<StFINDING> findings;  // what reading found wrong
    bool isExport = false;            // the root element REPORT was read

    // The first element named name at depth, or null.
    const StELEMENT* Find(std::string_view name, int depth = -1) const;
    // Its text, empty when it is missing.
    std::string TextOf(std::string_view name) const;
};

// Parses the bytes of a file with the platform's XML reader. Elements read
// before a fatal error are kept; the error is a finding with its line.
StEXPORT ReadExport(std::string_view bytes);
