#pragma once
// The program's string resources (the string table of the Windows resources).
#include <string>

// The string with this id, Shift_JIS; empty when there is none.
std::string LoadResourceString(unsigned id);
