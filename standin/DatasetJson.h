#pragma once
// Reading a data set's JSON text front to back, one value at a time, with the
// JSON path of every value at hand, so that every refusal can say which
// member is wrong. No tree is built: the readers of the data set write what
// they read straight into its records and blocks. Used only inside the
// data-set reader: a refusal travels as a StDATASETREFUSAL up to ParseDataset,
// which turns it into an StDATASETERROR.
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "standin/JsonLexer.h"

struct StDATASETREFUSAL {
    std::string path;
    std::string problem;
};

// Deeper than any valid data set nests; refused at once.
constexpr std::size_t kMaxJsonDepth = 16;

// Which members of an object were read (to refuse a member given twice).
using MemberSet = std::uint64_t;

class ClJsonReader {
public:
    // The reader stands on the first value of text.
    explicit ClJsonReader(std::string_view text);

    [[noreturn]] void Refuse(std::string problem) const;  // at the value the reader stands on
    std::string Path() const;

    // Objects: EnterObject, then NextMember until it gives nothing; after
    // each member the caller reads its value. Members outside allowed,
    // members given twice and null members are refused.
    void EnterObject();
    std::optional<std::size_t> NextMember(std::span<const std::string_view> allowed, MemberSet& seen);
    // Right after EnterObject: whether the object is {"hex": ...}.
    bool AtHexKey();
    // Reads the rest of {"hex": "..."} after EnterObject: at most maxSize bytes (what: "row", ...).
    std::string HexBody(std::size_t maxSize, std::string_view what);

    // Arrays: EnterArray, then NextItem until it gives nothing; after each
    // item the caller reads it. More than maxItems items, and null items, are refused.
    void EnterArray();
    bool NextItem(std::size_t maxItems, std::string_view what);

    std::int64_t Integer(std::int64_t min, std::int64_t max);
    template <typename T>
    T Integer() {
        return static_cast<T>(Integer(std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
    }
    // The exact integer value (the format number): anything else is refused with problem.
    void ExpectInteger(std::int64_t value, std::string_view problem);
    // A string, as it stands in UTF-8.
    std::string String();
    // A text for a field of width bytes: a string (converted to Shift_JIS, at
    // most width - 1 bytes so that a terminator fits) or {"hex": ...} (cut to width).
    std::string Text(std::size_t width);
    // {"hex": ...} of at most maxSize bytes, or else a text of at most
    // maxSize bytes in Shift_JIS (may fill all maxSize).
    std::string IdText(std::size_t maxSize, std::string_view what);
    // {"hex": ...} of at most maxSize bytes.
    std::string HexBytes(std::size_t maxSize, std::string_view what);
    bool AtObject() const;

    // After the root value: nothing but white space may follow.
    void ExpectEnd();

private:
    using Token = EnJsonToken;
    struct StPATHSEGMENT {
        std::string_view name;  // the member (static text), or empty
        std::size_t index = 0;  // the item, from 1 (0: none yet)
        std::size_t next = 0;   // where to look for the next member's name
        bool isArray = false;
        bool first = true;  // no member or item read yet
    };

    void Next() { token_ = lexer_.Scan(); }
    [[noreturn]] void Unexpected(std::string_view expected) const;
    void Expect(Token token, std::string_view expected);
    void Push(bool isArray);
    std::string TypeName() const;
    std::string SjisText(std::size_t maxBytes, bool roomForTerminator);

    ClJsonLexer lexer_;
    Token token_;
    std::vector<StPATHSEGMENT> path_;
};

// Each member of the object the reader stands on, by its index in names.
template <typename F>
void ForEachMember(ClJsonReader& in, std::span<const std::string_view> names, F&& onMember) {
    MemberSet seen = 0;
    in.EnterObject();
    while (auto index = in.NextMember(names, seen)) onMember(*index);
}
template <typename F>
void ForEachMember(ClJsonReader& in, std::initializer_list<std::string_view> names, F&& onMember) {
    ForEachMember(in, std::span(names.begin(), names.size()), onMember);
}

// A member name and what reads its value.
template <typename F>
struct StJSONMEMBER {
    std::string_view name;
    F read;
};
template <typename F>
StJSONMEMBER<F> Member(std::string_view name, F read) {
    return {name, std::move(read)};
}

// Each member of the object the reader stands on, read by the handler given
// beside its name.
template <typename... F>
void ReadMembers(ClJsonReader& in, const StJSONMEMBER<F>&... members) {
    const std::string_view names[] = {members.name...};
    ForEachMember(in, std::span<const std::string_view>(names), [&](std::size_t index) {
        std::size_t position = 0;
        ((position++ == index ? members.read() : void()), ...);
    });
}

// Each item of the array the reader stands on, by its index.
template <typename F>
void ForEachItem(ClJsonReader& in, std::size_t maxItems, std::string_view what, F&& onItem) {
    in.EnterArray();
    for (std::size_t i = 0; in.NextItem(maxItems, what); ++i) onItem(i);
}

// The path of member name in the object at parent.
std::string MemberPath(const std::string& parent, std::string_view name);
