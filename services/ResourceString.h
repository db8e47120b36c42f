#pragma once
// The program's string resources (the string table of the Windows resources).
// Implemented by platform/posix/ResourceString.cpp (the strings compiled
// in) and platform/win32/ResourceString.cpp (the string table); bound at
// link time (orbek_platform).
#include <string>

// The string with this id, Shift_JIS; empty when there is none.
std::string LoadResourceString(unsigned id);
