#pragma once
// The program's string table. The Windows build carries the same strings in
// its resource script; elsewhere they are read from here.

#include "resources/ResourceIds.h"

// The string with this id (Shift_JIS), or null.
const char* FindStringResource(unsigned id);
