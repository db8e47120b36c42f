#pragma once
// The output boundary: the program's Shift_JIS in the terminal's encoding.
#include <string>
#include <string_view>

// In the codeset of the current locale (LC_CTYPE); what it cannot show becomes "?".
std::string ToTerminal(std::string_view sjis);
