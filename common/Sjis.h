#pragma once
// Code page 932 (Shift_JIS) byte classification: the one place every
// double-byte-aware helper asks whether a byte starts or ends a character.
#include <cstddef>
#include <string_view>

namespace sjis {

// First byte of a double-byte character: 0x81-0x9F and 0xE0-0xFC.
constexpr bool IsLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

// Second byte of a double-byte character: 0x40-0x7E and 0x80-0xFC.
constexpr bool IsTrailByte(unsigned char b) { return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC); }

// A byte that is never a character of code page 932, alone or first:
// 0x80, 0xA0 and 0xFD-0xFF.
constexpr bool IsNeverChar(unsigned char b) { return b == 0x80 || b == 0xA0 || b >= 0xFD; }

// A lead and a trail byte that code page 932 assigns a character to
// (Microsoft's table; the user-defined rows F0-F9 count as assigned, as
// Windows maps them to the private-use area). Other pairs are two bytes long
// all the same, but no reader of code page 932 accepts them.
bool IsAssignedPair(unsigned char lead, unsigned char trail);

// Length in bytes (1 or 2) of the character that starts at pos. A lead byte
// without a valid trail byte after it counts as a character of its own.
std::size_t CharLengthAt(std::string_view text, std::size_t pos);

// True when the byte at pos is the second byte of a double-byte character,
// found by walking whole characters from the start of the text.
bool IsTrailAt(std::string_view text, std::size_t pos);

// The largest length <= maxBytes at which the text can be cut without
// splitting a double-byte character.
std::size_t CutLength(std::string_view text, std::size_t maxBytes);

// Equal texts when the case of single-byte letters is ignored; double-byte
// characters compare exactly (a second byte is never case-folded).
bool EqualIgnoringCase(std::string_view a, std::string_view b);

}  // namespace sjis
