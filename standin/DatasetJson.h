#pragma once
// Reading the members of a data set with their JSON paths, so that every
// refusal can say which member is wrong. Used only inside the data-set
// reader: a refusal travels as a DatasetRefusal up to ParseDataset, which
// turns it into an StDatasetError.
#include <nlohmann/json.hpp>

#include <cstdint>
#include <initializer_list>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

using Json = nlohmann::json;

struct DatasetRefusal {
    std::string path;
    std::string problem;
};

// The JSON text as a tree; a duplicated member or malformed JSON is refused.
Json ParseDatasetJson(std::string_view text);

class ClJsonNode {
public:
    ClJsonNode(const Json& value, std::string path) : value_(&value), path_(std::move(path)) {}

    const Json& value() const { return *value_; }
    const std::string& path() const { return path_; }
    [[noreturn]] void Refuse(std::string problem) const;

    // The node must be an object holding no member outside allowed.
    void ExpectObject(std::span<const std::string_view> allowed) const;
    void ExpectObject(std::initializer_list<std::string_view> allowed) const {
        ExpectObject(std::span(allowed.begin(), allowed.size()));
    }
    std::optional<ClJsonNode> Member(std::string_view name) const;
    // The node must be an array of at most maxItems elements (what: "rows", ...).
    std::vector<ClJsonNode> Items(std::size_t maxItems, std::string_view what) const;

    std::int64_t Integer(std::int64_t min, std::int64_t max) const;
    template <typename T>
    T Integer() const {
        return static_cast<T>(Integer(std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
    }

    bool IsHex() const;
    // A text for a field of width bytes: a string (converted to Shift_JIS, at
    // most width - 1 bytes so that a terminator fits) or {"hex": ...} (cut to width).
    std::string Text(std::size_t width) const;
    // {"hex": ...} of at most maxSize bytes.
    std::string HexBytes(std::size_t maxSize, std::string_view what) const;

private:
    const Json* value_;
    std::string path_;
};

// Members that may be left out: zero or empty when missing.
template <typename T>
T IntegerMember(const ClJsonNode& object, std::string_view name) {
    auto member = object.Member(name);
    return member ? member->Integer<T>() : T{};
}
std::string TextMember(const ClJsonNode& object, std::string_view name, std::size_t width);
