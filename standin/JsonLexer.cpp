#include "standin/JsonLexer.h"

#include <array>
#include <cstdio>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

constexpr auto kWhiteSpace = [] {
    std::array<bool, 256> space{};
    for (unsigned char c : {' ', '\n', '\r', '\t'}) space[c] = true;
    return space;
}();

// The bytes a string holds as they stand: ASCII but control characters, '"' and '\\'.
constexpr auto kPlainAscii = [] {
    std::array<bool, 256> plain{};
    for (int c = 0x20; c < 0x80; ++c) plain[static_cast<std::size_t>(c)] = c != '"' && c != '\\';
    return plain;
}();

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

void AppendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// The length of the UTF-8 character of two to four bytes at text[i] (shortest
// form, no surrogates); 0 when the bytes there are none.
std::size_t Utf8Length(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
    const auto lead = byte(0);
    // E1-EC and EE-EF lead no overlong form and no surrogate: most of Japanese text.
    if (lead >= 0xE1 && lead <= 0xEF && lead != 0xED && i + 2 < text.size()) {
        if ((byte(1) & 0xC0) == 0x80 && (byte(2) & 0xC0) == 0x80) return 3;
    }
    std::size_t length = 0;
    std::uint32_t cp = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, cp = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, cp = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, cp = lead & 0x07u;
    } else {
        return 0;
    }
    if (i + length > text.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(k) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (byte(k) & 0x3Fu);
    }
    const bool overlong = (length == 3 && cp < 0x800) || (length == 4 && cp < 0x10000);
    if (overlong || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) return 0;
    return length;
}

}  // namespace

EnJsonToken ClJsonLexer::Fail(std::string problem) {
    error_ = std::move(problem);
    start_ = at_;  // the position names the byte that is wrong
    return token_ = EnJsonToken::Error;
}

EnJsonToken ClJsonLexer::Scan() {
    while (at_ < text_.size() && kWhiteSpace[static_cast<unsigned char>(text_[at_])]) ++at_;
    start_ = at_;
    if (at_ == text_.size()) return token_ = EnJsonToken::End;
    const char c = text_[at_];
    switch (c) {
        case '{':
            ++at_;
            return token_ = EnJsonToken::BeginObject;
        case '}':
            ++at_;
            return token_ = EnJsonToken::EndObject;
        case '[':
            ++at_;
            return token_ = EnJsonToken::BeginArray;
        case ']':
            ++at_;
            return token_ = EnJsonToken::EndArray;
        case ':':
            ++at_;
            return token_ = EnJsonToken::NameSeparator;
        case ',':
            ++at_;
            return token_ = EnJsonToken::ValueSeparator;
        case '"':
            return ScanString();
        case 't':
            return ScanLiteral("true", EnJsonToken::True);
        case 'f':
            return ScanLiteral("false", EnJsonToken::False);
        case 'n':
            return ScanLiteral("null", EnJsonToken::Null);
        default:
            if (c == '-' || IsDigit(c)) return ScanNumber();
            return Fail("'" + std::string(1, c) + "' starts no JSON value");
    }
}

EnJsonToken ClJsonLexer::ScanLiteral(std::string_view word, EnJsonToken token) {
    if (text_.substr(at_, word.size()) != word) return Fail("invalid literal; expected " + std::string(word));
    at_ += word.size();
    return token_ = token;
}

EnJsonToken ClJsonLexer::ScanNumber() {
    EnJsonToken kind = EnJsonToken::Integer;
    auto digits = [&] {
        std::size_t from = at_;
        while (at_ < text_.size() && IsDigit(text_[at_])) ++at_;
        return at_ > from;
    };
    if (text_[at_] == '-') ++at_;
    if (at_ < text_.size() && text_[at_] == '0') {
        ++at_;
        if (at_ < text_.size() && IsDigit(text_[at_])) return Fail("a number starts with a zero");
    } else if (!digits()) {
        return Fail("invalid number; expected a digit");
    }
    if (at_ < text_.size() && text_[at_] == '.') {
        ++at_;
        kind = EnJsonToken::Float;
        if (!digits()) return Fail("invalid number; expected a digit after '.'");
    }
    if (at_ < text_.size() && (text_[at_] == 'e' || text_[at_] == 'E')) {
        ++at_;
        kind = EnJsonToken::Float;
        if (at_ < text_.size() && (text_[at_] == '+' || text_[at_] == '-')) ++at_;
        if (!digits()) return Fail("invalid number; expected a digit in the exponent");
    }
    return token_ = kind;
}

// One escape at at_ (the backslash), appended to decoded_.
bool ClJsonLexer::ScanEscape() {
    auto hex4 = [&](std::size_t from) -> long {
        if (from + 4 > text_.size()) return -1;
        long v = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            const int h = HexValue(text_[from + i]);
            if (h < 0) return -1;
            v = v * 16 + h;
        }
        return v;
    };
    if (at_ + 1 >= text_.size()) return false;
    const char e = text_[at_ + 1];
    static constexpr std::string_view kFrom = "\"\\/bfnrt", kTo = "\"\\/\b\f\n\r\t";
    if (auto i = kFrom.find(e); i != std::string_view::npos) {
        decoded_ += kTo[i];
        at_ += 2;
        return true;
    }
    if (e != 'u') return false;
    long cp = hex4(at_ + 2);
    if (cp < 0 || (cp >= 0xDC00 && cp <= 0xDFFF)) return false;
    at_ += 6;
    if (cp >= 0xD800 && cp <= 0xDBFF) {  // a high surrogate needs its low one
        if (text_.substr(at_, 2) != "\\u") return false;
        const long low = hex4(at_ + 2);
        if (low < 0xDC00 || low > 0xDFFF) return false;
        cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
        at_ += 6;
    }
    AppendUtf8(decoded_, static_cast<std::uint32_t>(cp));
    return true;
}

EnJsonToken ClJsonLexer::ScanString() {
    // The position is kept in a local: the compiler cannot keep a member in a
    // register while it reads the text's bytes.
    const std::size_t n = text_.size();
    std::size_t i = at_ + 1;
    std::size_t plainFrom = i;
    bool escaped = false;
    while (true) {
        // The common case: a run of plain ASCII.
        while (i < n && kPlainAscii[static_cast<unsigned char>(text_[i])]) ++i;
        at_ = i;
        if (i == n) return Fail("invalid string: missing closing quote");
        const auto c = static_cast<unsigned char>(text_[i]);
        if (c == '"') break;
        if (c >= 0x80) {
            const std::size_t length = Utf8Length(text_, i);
            if (length == 0) return Fail("invalid string: ill-formed UTF-8 byte");
            i += length;
            continue;
        }
        if (c < 0x20) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "%04X", c);
            return Fail(std::string("invalid string: control character U+") + hex + " must be escaped");
        }
        if (!escaped) decoded_.clear();
        decoded_.append(text_.substr(plainFrom, i - plainFrom));
        escaped = true;
        if (!ScanEscape()) return Fail("invalid string: bad escape");
        i = plainFrom = at_;
    }
    if (escaped) {
        decoded_.append(text_.substr(plainFrom, i - plainFrom));
        string_ = decoded_;
    } else {
        string_ = text_.substr(plainFrom, i - plainFrom);
    }
    at_ = i + 1;
    return token_ = EnJsonToken::String;
}

std::pair<std::size_t, std::size_t> ClJsonLexer::Position() const {
    std::size_t line = 1, lineStart = 0;
    for (std::size_t i = 0; i < start_ && i < text_.size(); ++i) {
        if (text_[i] == '\n') ++line, lineStart = i + 1;
    }
    return {line, start_ - lineStart + 1};
}

std::string ClJsonLexer::Describe() const {
    switch (token_) {
        case EnJsonToken::BeginObject:
            return "'{'";
        case EnJsonToken::EndObject:
            return "'}'";
        case EnJsonToken::BeginArray:
            return "'['";
        case EnJsonToken::EndArray:
            return "']'";
        case EnJsonToken::NameSeparator:
            return "':'";
        case EnJsonToken::ValueSeparator:
            return "','";
        case EnJsonToken::String:
            return "a string";
        case EnJsonToken::Integer:
        case EnJsonToken::Float:
            return "a number";
        case EnJsonToken::True:
        case EnJsonToken::False:
            return "a boolean";
        case EnJsonToken::Null:
            return "null";
        case EnJsonToken::End:
            return "end of input";
        case EnJsonToken::Error:
            break;
    }
    return error_;
}
