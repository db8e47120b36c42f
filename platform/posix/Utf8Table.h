#pragma once
// Code page 932 to UTF-8 for a reader that converts a large file piece by
// piece: a table learned from iconv one character at a time, so that the
// result is iconv's without a call into it per text. Kept in CodePage.cpp,
// beside the other direction, and used by SjisToUtf8 as well.
#include <cstddef>
#include <string_view>

struct StUTF8PIECE {
    std::size_t used = 0;     // bytes of the input converted
    std::size_t written = 0;  // bytes written
    bool invalid = false;     // stopped at a byte that is no character
};

// Converts the whole characters at the start of sjis into out (room bytes);
// stops before a character cut off at the end, when out is full, or at the
// first byte that is no character.
StUTF8PIECE SjisToUtf8Piece(std::string_view sjis, char* out, std::size_t room);
