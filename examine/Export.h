#pragma once
// An export as the inspector holds it: every element in file order with its
// depth, line and text. Texts are Shift_JIS (code page 932) like everywhere in
// the program; the platform's XML reader delivers them so.
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <unordered_set>
#include <vector>

// Names and texts are views of the export's own stores: an export of 10 000
// letting rows holds 170 000 elements, and a string per name and text would
// take several times the file's size.
struct StELEMENT {
    std::string_view name;
    std::string_view text;  // leaf elements only
    int line = 0;           // 1-based line of the start tag
    int count = 0;          // the COUNT attribute of a list row, 0 when absent
    int depth = 0;          // 0 for the root
    bool leaf = true;       // no child elements
};

// Names are looked up by view, without making a string first.
struct StNAMEHASH {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const { return std::hash<std::string_view>{}(name); }
};

// Texts kept in blocks that never move, so that views of them stay valid.
class ClTextStore {
public:
    ClTextStore() = default;
    ClTextStore(ClTextStore&& other) noexcept;
    ClTextStore& operator=(ClTextStore&& other) noexcept;

    std::string_view Keep(std::string_view text);

private:
    std::vector<std::unique_ptr<char[]>> blocks_;
    char* next_ = nullptr;  // where the block being filled is free
    std::size_t left_ = 0;  // and how much of it
};

// One failed check: where, which element and what is wrong (Shift_JIS).
struct StFINDING {
    StFINDING() = default;
    StFINDING(int at, std::string_view in, std::string what, bool onlyWarning = false)
        : line(at), element(in), message(std::move(what)), warning(onlyWarning) {}

    int line = 0;
    std::string element;
    std::string message;
    bool warning = false;  // worth a look, but the file may still be imported
};

struct StEXPORT {
    StEXPORT() = default;
    StEXPORT(StEXPORT&&) = default;
    StEXPORT& operator=(StEXPORT&&) = default;
    StEXPORT(const StEXPORT&) = delete;  // the elements view this export's stores
    StEXPORT& operator=(const StEXPORT&) = delete;

    std::vector<StELEMENT> elements;
    std::vector<StFINDING> findings;                                     // what reading found wrong
    bool isExport = false;                                               // the root element REPORT was read
    std::unordered_set<std::string, StNAMEHASH, std::equal_to<>> names;  // each element name once
    ClTextStore texts;

    // The first element named name at depth, or null.
    const StELEMENT* Find(std::string_view name, int depth = -1) const;
    // Its text, empty when it is missing.
    std::string TextOf(std::string_view name) const;
};

// Parses the bytes of a file with the platform's XML reader. Elements read
// before a fatal error are kept; the error is a finding with its line.
StEXPORT ReadExport(std::string_view bytes);
