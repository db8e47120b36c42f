#include "standin/DatasetJson.h"

#include <algorithm>
#include <charconv>

#include <nlohmann/json.hpp>

#include "services/CodePage.h"

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

ClJsonReader::ClJsonReader(std::string_view text) : lexer_(text), token_(Token::Error) { Next(); }

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

void ClJsonReader::Refuse(std::string problem) const { throw StDATASETREFUSAL{Path(), std::move(problem)}; }

void ClJsonReader::Unexpected(std::string_view expected) const {
    const auto [line, column] = lexer_.Position();
    std::string problem = "not JSON: line " + std::to_string(line) + ", column " + std::to_string(column) + ": ";
    if (token_ == Token::Error) {
        problem += lexer_.error();
    } else {
        problem += "unexpected " + lexer_.Describe() + "; expected " + std::string(expected);
    }
    throw StDATASETREFUSAL{"$", problem};
}

void ClJsonReader::Expect(Token token, std::string_view expected) {
    if (token_ != token) Unexpected(expected);
    Next();
}

std::string ClJsonReader::TypeName() const {
    switch (token_) {
        case Token::BeginObject:
            return "object";
        case Token::BeginArray:
            return "array";
        case Token::String:
            return "string";
        case Token::True:
        case Token::False:
            return "boolean";
        case Token::Integer:
        case Token::Float:
            return "number";
        case Token::Null:
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
    path_.push_back(StPATHSEGMENT{{}, 0, 0, isArray, true});
}

bool ClJsonReader::AtObject() const { return token_ == Token::BeginObject; }

void ClJsonReader::EnterObject() {
    if (token_ != Token::BeginObject) Refuse("expected an object, found " + TypeName());
    Push(false);
}

std::optional<std::size_t> ClJsonReader::NextMember(std::span<const std::string_view> allowed, MemberSet& seen) {
    StPATHSEGMENT& top = path_.back();
    if (token_ == Token::EndObject) {
        Next();
        path_.pop_back();
        return std::nullopt;
    }
    if (!top.first) Expect(Token::ValueSeparator, "',' or '}'");
    if (token_ != Token::String) Unexpected(top.first ? "a member name or '}'" : "a member name");
    const std::string_view key = lexer_.string();
    // Members mostly come in the order of allowed: look after the last one first.
    std::size_t index = top.next;
    std::size_t tried = 0;
    while (tried < allowed.size() && allowed[index] != key) {
        index = index + 1 == allowed.size() ? 0 : index + 1;
        ++tried;
    }
    if (tried == allowed.size()) {
        top.first = true;  // the path names the object; the unknown member follows
        throw StDATASETREFUSAL{MemberPath(Path(), key), "unknown member"};
    }
    top.next = index + 1 == allowed.size() ? 0 : index + 1;
    top.name = allowed[index];
    top.first = false;
    if (seen & (MemberSet{1} << index)) Refuse("the member appears twice in its object");
    seen |= MemberSet{1} << index;
    Next();
    Expect(Token::NameSeparator, "':'");
    if (token_ == Token::Null) Refuse("null is no value: leave the member out instead");
    return index;
}

bool ClJsonReader::AtHexKey() { return path_.back().first && token_ == Token::String && lexer_.string() == kHex; }

std::string ClJsonReader::HexBody(std::size_t maxSize, std::string_view what) {
    constexpr std::string_view kHexOnly[] = {kHex};
    MemberSet seen = 0;
    std::optional<std::string> bytes;
    while (NextMember(kHexOnly, seen)) bytes = HexBytes(maxSize, what);
    if (!bytes) Refuse("expected {\"hex\": \"...\"} with a string of hex digits");
    return *bytes;
}

std::string ClJsonReader::HexBytes(std::size_t maxSize, std::string_view what) {
    if (token_ == Token::BeginObject) {  // the object around the digits
        EnterObject();
        return HexBody(maxSize, what);
    }
    if (token_ != Token::String) Refuse("expected {\"hex\": \"...\"} with a string of hex digits");
    const std::string_view digits = lexer_.string();
    if (digits.size() % 2 != 0) Refuse("an odd number of hex digits");
    std::string bytes;
    bytes.reserve(digits.size() / 2);
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        int hi = HexDigit(digits[i]);
        int lo = HexDigit(digits[i + 1]);
        if (hi < 0 || lo < 0) Refuse("\"" + std::string(digits.substr(i, 2)) + "\" is not a hex byte");
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
    if (token_ != Token::BeginArray) Refuse("expected an array, found " + TypeName());
    Push(true);
}

bool ClJsonReader::NextItem(std::size_t maxItems, std::string_view what) {
    StPATHSEGMENT& top = path_.back();
    if (token_ == Token::EndArray) {
        Next();
        path_.pop_back();
        return false;
    }
    if (!top.first) Expect(Token::ValueSeparator, "',' or ']'");
    if (top.index == maxItems) {
        top.first = true;  // the path names the array
        Refuse("more than " + std::to_string(maxItems) + " " + std::string(what) + " given, the block holds " +
               std::to_string(maxItems));
    }
    ++top.index;
    top.first = false;
    if (token_ == Token::Null) Refuse("null is no value");
    return true;
}

std::int64_t ClJsonReader::Integer(std::int64_t min, std::int64_t max) {
    auto range = [&](std::string_view value) {
        Refuse(std::string(value) + " is out of range (" + std::to_string(min) + " to " + std::to_string(max) + ")");
    };
    if (token_ == Token::Float) {
        Refuse(std::string(lexer_.raw()) + " is not a 64-bit integer (amounts are whole ten-thousandths)");
    }
    if (token_ != Token::Integer) Refuse("expected an integer, found " + TypeName());
    const std::string_view raw = lexer_.raw();
    std::int64_t v = 0;
    if (std::from_chars(raw.data(), raw.data() + raw.size(), v).ec != std::errc()) range(raw);
    if (v < min || v > max) range(raw);
    Next();
    return v;
}

void ClJsonReader::ExpectInteger(std::int64_t value, std::string_view problem) {
    if (token_ != Token::Integer || lexer_.raw() != std::to_string(value)) {
        const bool number = token_ == Token::Integer || token_ == Token::Float;
        Refuse(std::string(problem) + ", found " + (number ? std::string(lexer_.raw()) : TypeName()));
    }
    Next();
}

std::string ClJsonReader::String() {
    if (token_ != Token::String) Refuse("expected a string, found " + TypeName());
    std::string text(lexer_.string());
    Next();
    return text;
}

std::string ClJsonReader::SjisText(std::size_t maxBytes, bool roomForTerminator) {
    const std::string_view utf8 = lexer_.string();
    if (utf8.find('\0') != std::string_view::npos) Refuse("a text holds U+0000: give such bytes as hex");
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
    if (token_ == Token::BeginObject) {
        EnterObject();
        if (!AtHexKey()) {
            path_.pop_back();
            Refuse("expected a text (a string or {\"hex\": ...}), found object");
        }
        std::string bytes = HexBody(std::numeric_limits<std::size_t>::max(), "field");
        if (bytes.size() > width) bytes.resize(width);
        return bytes;
    }
    if (token_ != Token::String) {
        Refuse("expected a text (a string or {\"hex\": ...}), found " + TypeName());
    }
    return SjisText(width, true);
}

std::string ClJsonReader::IdText(std::size_t maxSize, std::string_view what) {
    if (token_ == Token::BeginObject) return HexBytes(maxSize, what);
    if (token_ != Token::String) {
        Refuse("expected a text (a string or {\"hex\": ...}), found " + TypeName());
    }
    const std::string path = Path();
    std::string text = SjisText(std::numeric_limits<std::size_t>::max(), false);
    if (text.size() > maxSize) {
        throw StDATASETREFUSAL{path, "the text takes " + std::to_string(text.size()) + " bytes in Shift_JIS; the " +
                                         std::string(what) + " holds at most " + std::to_string(maxSize)};
    }
    return text;
}

void ClJsonReader::ExpectEnd() {
    if (token_ != Token::End) Unexpected("end of input");
}
