#include "standin/DatasetJson.h"

#include <algorithm>
#include <cstdio>
#include <set>

#include "services/CodePage.h"

namespace {

bool IsIdentifier(std::string_view name) {
    if (name.empty()) return false;
    return std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    });
}

std::string MemberPath(const std::string& parent, std::string_view name) {
    if (IsIdentifier(name) && !(name[0] >= '0' && name[0] <= '9')) {
        return parent + "." + std::string(name);
    }
    return parent + "[" + Json(std::string(name)).dump() + "]";
}

std::string IndexPath(const std::string& parent, std::size_t index) {
    return parent + "[" + std::to_string(index) + "]";
}

// Tracks where the parser is, to name a duplicated member by its path.
class ClPathTracker {
public:
    bool OnEvent(Json::parse_event_t event, const Json& parsed) {
        using E = Json::parse_event_t;
        switch (event) {
            case E::key: {
                Frame& top = stack_.back();
                top.key = parsed.get<std::string>();
                if (!top.keys.insert(top.key).second) {
                    throw DatasetRefusal{MemberPath(top.path, top.key),
                                         "the member appears twice in its object"};
                }
                break;
            }
            case E::object_start:
            case E::array_start:
                stack_.push_back(Frame{NextPath(), event == E::object_start, {}, {}, 0});
                break;
            case E::object_end:
            case E::array_end:
                stack_.pop_back();
                break;
            case E::value:
                NextPath();
                break;
        }
        return true;
    }

private:
    struct Frame {
        std::string path;
        bool isObject;
        std::string key;
        std::set<std::string> keys;
        std::size_t nextIndex;
    };

    // The path of the value that starts now (an array element takes the next index).
    std::string NextPath() {
        if (stack_.empty()) return "$";
        Frame& top = stack_.back();
        if (top.isObject) return MemberPath(top.path, top.key);
        return IndexPath(top.path, top.nextIndex++);
    }

    std::vector<Frame> stack_;
};

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The first character of valid UTF-8 text that code page 932 cannot hold.
std::string FirstUnconvertible(std::string_view utf8) {
    std::size_t i = 0;
    while (i < utf8.size()) {
        auto lead = static_cast<unsigned char>(utf8[i]);
        std::size_t len = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        std::string_view ch = utf8.substr(i, len);
        if (!Utf8ToSjis(ch)) return std::string(ch);
        i += len;
    }
    return {};
}

}  // namespace

Json ParseDatasetJson(std::string_view text) {
    ClPathTracker tracker;
    try {
        return Json::parse(text.begin(), text.end(),
                           [&tracker](int, Json::parse_event_t event, Json& parsed) {
                               return tracker.OnEvent(event, parsed);
                           });
    } catch (const Json::parse_error& e) {
        throw DatasetRefusal{"$", std::string("not JSON: ") + e.what()};
    }
}

void ClJsonNode::Refuse(std::string problem) const { throw DatasetRefusal{path_, std::move(problem)}; }

void ClJsonNode::ExpectObject(std::span<const std::string_view> allowed) const {
    if (value_->is_null()) Refuse("null is no value: leave the member out instead");
    if (!value_->is_object()) Refuse(std::string("expected an object, found ") + value_->type_name());
    for (const auto& item : value_->items()) {
        if (std::find(allowed.begin(), allowed.end(), item.key()) == allowed.end()) {
            throw DatasetRefusal{MemberPath(path_, item.key()), "unknown member"};
        }
    }
}

std::optional<ClJsonNode> ClJsonNode::Member(std::string_view name) const {
    auto it = value_->find(std::string(name));
    if (it == value_->end()) return std::nullopt;
    ClJsonNode member(*it, MemberPath(path_, name));
    if (it->is_null()) member.Refuse("null is no value: leave the member out instead");
    return member;
}

std::vector<ClJsonNode> ClJsonNode::Items(std::size_t maxItems, std::string_view what) const {
    if (!value_->is_array()) Refuse(std::string("expected an array, found ") + value_->type_name());
    if (value_->size() > maxItems) {
        Refuse(std::to_string(value_->size()) + " " + std::string(what) + " given, the block holds " +
               std::to_string(maxItems));
    }
    std::vector<ClJsonNode> items;
    items.reserve(value_->size());
    for (std::size_t i = 0; i < value_->size(); ++i) {
        const Json& item = (*value_)[i];
        items.emplace_back(item, IndexPath(path_, i));
        if (item.is_null()) items.back().Refuse("null is no value");
    }
    return items;
}

std::int64_t ClJsonNode::Integer(std::int64_t min, std::int64_t max) const {
    std::int64_t v = 0;
    if (value_->is_number_unsigned()) {
        auto u = value_->get<std::uint64_t>();
        if (u > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
            Refuse(value_->dump() + " is out of range (" + std::to_string(min) + " to " +
                   std::to_string(max) + ")");
        }
        v = static_cast<std::int64_t>(u);
    } else if (value_->is_number_integer()) {
        v = value_->get<std::int64_t>();
    } else if (value_->is_number_float()) {
        Refuse(value_->dump() + " is not a 64-bit integer (amounts are whole ten-thousandths)");
    } else {
        Refuse(std::string("expected an integer, found ") + value_->type_name());
    }
    if (v < min || v > max) {
        Refuse(std::to_string(v) + " is out of range (" + std::to_string(min) + " to " +
               std::to_string(max) + ")");
    }
    return v;
}

bool ClJsonNode::IsHex() const { return value_->is_object() && value_->contains("hex"); }

std::string ClJsonNode::HexBytes(std::size_t maxSize, std::string_view what) const {
    ExpectObject({"hex"});
    auto hex = Member("hex");
    if (!hex || !hex->value().is_string()) {
        (hex ? *hex : *this).Refuse("expected {\"hex\": \"...\"} with a string of hex digits");
    }
    const auto& digits = hex->value().get_ref<const std::string&>();
    if (digits.size() % 2 != 0) hex->Refuse("an odd number of hex digits");
    std::string bytes;
    bytes.reserve(digits.size() / 2);
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        int hi = HexDigit(digits[i]);
        int lo = HexDigit(digits[i + 1]);
        if (hi < 0 || lo < 0) hex->Refuse("\"" + digits.substr(i, 2) + "\" is not a hex byte");
        bytes.push_back(static_cast<char>(hi * 16 + lo));
    }
    if (bytes.size() > maxSize) {
        hex->Refuse(std::to_string(bytes.size()) + " bytes do not fit the " + std::to_string(maxSize) +
                    "-byte " + std::string(what));
    }
    return bytes;
}

std::string ClJsonNode::Text(std::size_t width) const {
    if (IsHex()) {
        std::string bytes = HexBytes(std::numeric_limits<std::size_t>::max(), "field");
        if (bytes.size() > width) bytes.resize(width);
        return bytes;
    }
    if (!value_->is_string()) {
        Refuse(std::string("expected a text (a string or {\"hex\": ...}), found ") + value_->type_name());
    }
    const auto& utf8 = value_->get_ref<const std::string&>();
    if (utf8.find('\0') != std::string::npos) Refuse("a text holds U+0000: give such bytes as hex");
    auto sjis = Utf8ToSjis(utf8);
    if (!sjis) Refuse("\"" + FirstUnconvertible(utf8) + "\" has no code page 932 form");
    if (sjis->size() >= width) {
        Refuse("the text takes " + std::to_string(sjis->size()) + " bytes in Shift_JIS; its " +
               std::to_string(width) + "-byte field holds at most " + std::to_string(width - 1));
    }
    return *sjis;
}

std::string TextMember(const ClJsonNode& object, std::string_view name, std::size_t width) {
    auto member = object.Member(name);
    return member ? member->Text(width) : std::string();
}
