#include "standin/DatasetJson.h"

#include <algorithm>

#include "platform/CodePage.h"

namespace {

bool IsIdentifier(std::string_view name) {
    if (name.empty() || (name[0] >= '0' && name[0] <= '9')) return false;
    return std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    });
}

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

constexpr std::string_view kHex = "hex";

}  // namespace

std::string MemberPath(const std::string& parent, std::string_view name) {
    if (IsIdentifier(name)) return parent + "." + std::string(name);
    return parent + "[" + nlohmann::json(std::string(name)).dump() + "]";
}

ClJsonReader::ClJsonReader(std::string_view text)
    : lexer_(nlohmann::detail::input_adapter(text.data(), text.data() + text.size())), token_(Token::uninitialized) {
    Next();
}

std::string ClJsonReader::Path() const {
    std::string path = "$";
    for (const auto& segment : path_) {
        if (segment.first) continue;
        if (segment.isArray) {
            path += "[" + std::to_string(segment.index - 1) + "]";
        } else {
            path = MemberPath(path, segment.name);
        }
    }
    return path;
}

void ClJsonReader::Refuse(std::string problem) const { throw DatasetRefusal{Path(), std::move(problem)}; }

void ClJsonReader::Unexpected(std::string_view expected) const {
    const auto position = lexer_.get_position();
    std::string problem = "not JSON: line " + std::to_string(position.lines_read + 1) + ", column " +
                          std::to_string(position.chars_read_current_line) + ": ";
    if (token_ == Token::parse_error) {
        problem += std::string(lexer_.get_error_message()) + "; last read: '" + lexer_.get_token_string() + "'";
    } else {
        problem += std::string("unexpected ") + Lexer::token_type_name(token_) + "; expected " + std::string(expected);
    }
    throw DatasetRefusal{"$", problem};
}

void ClJsonReader::Expect(Token token, std::string_view expected) {
    if (token_ != token) Unexpected(expected);
    Next();
}

std::string ClJsonReader::TypeName() const {
    switch (token_) {
        case Token::begin_object:
            return "object";
        case Token::begin_array:
            return "array";
        case Token::value_string:
            return "string";
        case Token::literal_true:
        case Token::literal_false:
            return "boolean";
        case Token::value_unsigned:
        case Token::value_integer:
        case Token::value_float:
            return "number";
        case Token::literal_null:
            return "null";
        default:
            Unexpected("a value");
    }
}

void ClJsonReader::Push(bool isArray) {
    if (path_.size() >= kMaxJsonDepth) {
        Refuse("nested deeper than " + std::to_string(kMaxJsonDepth) + " levels; no data set needs that");
    }
    Next();
    path_.push_back(Segment{{}, 0, isArray, true});
}

bool ClJsonReader::AtObject() const { return token_ == Token::begin_object; }

void ClJsonReader::EnterObject() {
    if (token_ != Token::begin_object) Refuse("expected an object, found " + TypeName());
    Push(false);
}

std::optional<std::size_t> ClJsonReader::NextMember(std::span<const std::string_view> allowed, MemberSet& seen) {
    Segment& top = path_.back();
    if (token_ == Token::end_object && top.first) {
        Next();
        path_.pop_back();
        return std::nullopt;
    }
    if (!top.first) {
        if (token_ == Token::end_object) {
            Next();
            path_.pop_back();
            return std::nullopt;
        }
        Expect(Token::value_separator, "',' or '}'");
    }
    if (token_ != Token::value_string) Unexpected(top.first ? "a member name or '}'" : "a member name");
    const std::string& key = lexer_.get_string();
    auto it = std::find(allowed.begin(), allowed.end(), key);
    if (it == allowed.end()) {
        top.first = true;  // the path names the object; the unknown member follows
        throw DatasetRefusal{MemberPath(Path(), key), "unknown member"};
    }
    const auto index = static_cast<std::size_t>(it - allowed.begin());
    top.name = *it;
    top.first = false;
    if (seen & (MemberSet{1} << index)) Refuse("the member appears twice in its object");
    seen |= MemberSet{1} << index;
    Next();
    Expect(Token::name_separator, "':'");
    if (token_ == Token::literal_null) Refuse("null is no value: leave the member out instead");
    return index;
}

bool ClJsonReader::AtHexKey() { return path_.back().first && token_ == Token::value_string && lexer_.get_string() == kHex; }

std::string ClJsonReader::HexBody(std::size_t maxSize, std::string_view what) {
    constexpr std::string_view kHexOnly[] = {kHex};
    MemberSet seen = 0;
    std::optional<std::string> bytes;
    while (NextMember(kHexOnly, seen)) bytes = HexBytes(maxSize, what);
    if (!bytes) Refuse("expected {\"hex\": \"...\"} with a string of hex digits");
    return *bytes;
}

std::string ClJsonReader::HexBytes(std::size_t maxSize, std::string_view what) {
    if (token_ == Token::begin_object) {  // the object around the digits
        EnterObject();
        return HexBody(maxSize, what);
    }
    if (token_ != Token::value_string) Refuse("expected {\"hex\": \"...\"} with a string of hex digits");
    const std::string& digits = lexer_.get_string();
    if (digits.size() % 2 != 0) Refuse("an odd number of hex digits");
    std::string bytes;
    bytes.reserve(digits.size() / 2);
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        int hi = HexDigit(digits[i]);
        int lo = HexDigit(digits[i + 1]);
        if (hi < 0 || lo < 0) Refuse("\"" + digits.substr(i, 2) + "\" is not a hex byte");
        bytes.push_back(static_cast<char>(hi * 16 + lo));
    }
    if (bytes.size() > maxSize) {
        Refuse(std::to_string(bytes.size()) + " bytes do not fit the " + std::to_string(maxSize) + "-byte " +
               std::string(what));
    }
    Next();
    return bytes;
}

void ClJsonReader::EnterArray() {
    if (token_ != Token::begin_array) Refuse("expected an array, found " + TypeName());
    Push(true);
}

bool ClJsonReader::NextItem(std::size_t maxItems, std::string_view what) {
    Segment& top = path_.back();
    if (token_ == Token::end_array) {
        Next();
        path_.pop_back();
        return false;
    }
    if (!top.first) Expect(Token::value_separator, "',' or ']'");
    if (top.index == maxItems) {
        top.first = true;  // the path names the array
        Refuse("more than " + std::to_string(maxItems) + " " + std::string(what) + " given, the block holds " +
               std::to_string(maxItems));
    }
    ++top.index;
    top.first = false;
    if (token_ == Token::literal_null) Refuse("null is no value");
    return true;
}

std::int64_t ClJsonReader::Integer(std::int64_t min, std::int64_t max) {
    std::int64_t v = 0;
    const std::string range = " is out of range (" + std::to_string(min) + " to " + std::to_string(max) + ")";
    if (token_ == Token::value_unsigned) {
        auto u = lexer_.get_number_unsigned();
        if (u > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
            Refuse(lexer_.get_token_string() + range);
        }
        v = static_cast<std::int64_t>(u);
    } else if (token_ == Token::value_integer) {
        v = lexer_.get_number_integer();
    } else if (token_ == Token::value_float) {
        Refuse(lexer_.get_token_string() + " is not a 64-bit integer (amounts are whole ten-thousandths)");
    } else {
        Refuse("expected an integer, found " + TypeName());
    }
    if (v < min || v > max) Refuse(std::to_string(v) + range);
    Next();
    return v;
}

void ClJsonReader::ExpectInteger(std::int64_t value, std::string_view problem) {
    bool same = (token_ == Token::value_unsigned && value >= 0 &&
                 lexer_.get_number_unsigned() == static_cast<std::uint64_t>(value)) ||
                (token_ == Token::value_integer && lexer_.get_number_integer() == value);
    if (!same) {
        bool number = token_ == Token::value_unsigned || token_ == Token::value_integer || token_ == Token::value_float;
        Refuse(std::string(problem) + ", found " + (number ? lexer_.get_token_string() : TypeName()));
    }
    Next();
}

std::string ClJsonReader::String() {
    if (token_ != Token::value_string) Refuse("expected a string, found " + TypeName());
    std::string text = lexer_.get_string();
    Next();
    return text;
}

std::string ClJsonReader::SjisText(std::size_t maxBytes, bool roomForTerminator) {
    const std::string& utf8 = lexer_.get_string();
    if (utf8.find('\0') != std::string::npos) Refuse("a text holds U+0000: give such bytes as hex");
    auto sjis = Utf8ToSjis(utf8);
    if (!sjis) Refuse("\"" + FirstUnconvertible(utf8) + "\" has no code page 932 form");
    if (roomForTerminator && sjis->size() >= maxBytes) {
        Refuse("the text takes " + std::to_string(sjis->size()) + " bytes in Shift_JIS; its " +
               std::to_string(maxBytes) + "-byte field holds at most " + std::to_string(maxBytes - 1));
    }
    Next();
    return std::move(*sjis);
}

std::string ClJsonReader::Text(std::size_t width) {
    if (token_ == Token::begin_object) {
        EnterObject();
        if (!AtHexKey()) {
            path_.pop_back();
            Refuse("expected a text (a string or {\"hex\": ...}), found object");
        }
        std::string bytes = HexBody(std::numeric_limits<std::size_t>::max(), "field");
        if (bytes.size() > width) bytes.resize(width);
        return bytes;
    }
    if (token_ != Token::value_string) {
        Refuse("expected a text (a string or {\"hex\": ...}), found " + TypeName());
    }
    return SjisText(width, true);
}

std::string ClJsonReader::IdText(std::size_t maxSize, std::string_view what) {
    if (token_ == Token::begin_object) return HexBytes(maxSize, what);
    if (token_ != Token::value_string) {
        Refuse("expected a text (a string or {\"hex\": ...}), found " + TypeName());
    }
    const std::string path = Path();
    std::string text = SjisText(std::numeric_limits<std::size_t>::max(), false);
    if (text.size() > maxSize) {
        throw DatasetRefusal{path, "the text takes " + std::to_string(text.size()) +
                                       " bytes in Shift_JIS; the " + std::string(what) + " holds at most " +
                                       std::to_string(maxSize)};
    }
    return text;
}

void ClJsonReader::ExpectEnd() {
    if (token_ != Token::end_of_input) Unexpected("end of input");
}
