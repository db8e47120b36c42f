#pragma once
// The program's string table. The Windows build carries the same strings in
// its resource script; elsewhere they are read from here.

// The release of the income-tax application's import format this program
// writes (CONNECTEDPROGRAMVER).
constexpr unsigned IDS_CONNECTEDPROGRAMVER = 1;

// The string with this id (Shift_JIS), or null.
const char* FindStringResource(unsigned id);
