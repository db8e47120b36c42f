#pragma once
// Account names as the income-tax application wants them: without the spaces,
// brackets and the manufacturing mark "(製)" the accounting application
// decorates them with.
#include <string>
#include <string_view>

// Writes name without marks into output. Moves over whole characters, so a
// mark is never matched from the second byte of a double-byte character.
// False, output unchanged, for an empty name.
bool StripKamokuMarks(std::string_view name, std::string& output);
