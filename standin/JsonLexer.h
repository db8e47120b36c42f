#pragma once
// The tokens of a JSON text (RFC 8259), one at a time, straight from the
// text in memory: strings without escapes are handed out as views into the
// text, numbers are converted only when asked for. Strict: control
// characters in strings, invalid UTF-8, lone surrogates, leading zeros and
// the like end the text with an error.
#include <cstdint>
#include <string>
#include <string_view>

enum class EnJsonToken : std::uint8_t {
    BeginObject,
    EndObject,
    BeginArray,
    EndArray,
    NameSeparator,   // ':'
    ValueSeparator,  // ','
    String,
    Integer,  // no fraction, no exponent
    Float,    // with a fraction or an exponent
    True,
    False,
    Null,
    End,
    Error,
};

class ClJsonLexer {
public:
    explicit ClJsonLexer(std::string_view text) : text_(text) {}

    EnJsonToken Scan();
    EnJsonToken token() const { return token_; }
    // String: the decoded text (valid only until the next Scan).
    std::string_view string() const { return string_; }
    // Integer and Float: the number as written.
    std::string_view raw() const { return text_.substr(start_, at_ - start_); }
    // Error: what is wrong.
    const std::string& error() const { return error_; }
    // Line and column (from 1, in bytes) where the current token starts.
    std::pair<std::size_t, std::size_t> Position() const;
    // For messages: "'}'", "a string", "end of input", ...
    std::string Describe() const;

private:
    EnJsonToken Fail(std::string problem);
    EnJsonToken ScanString();
    EnJsonToken ScanNumber();
    EnJsonToken ScanLiteral(std::string_view word, EnJsonToken token);
    bool ScanEscape();

    std::string_view text_;
    std::size_t at_ = 0;     // next byte to read
    std::size_t start_ = 0;  // first byte of the current token
    EnJsonToken token_ = EnJsonToken::Error;
    std::string_view string_;
    std::string decoded_;  // strings with escapes
    std::string error_;
};
