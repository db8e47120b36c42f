#pragma once
// The platform's mapping of Shift_JIS text to full width (LCMapStringA with
// LCMAP_FULLWIDTH on Windows, the project's own mapping elsewhere).
// Implemented by platform/posix/FullWidth.cpp (with FullWidthMap.cpp) and
// platform/win32/FullWidth.cpp; bound at link time (orbek_platform).
#include <string>
#include <string_view>

std::string MapFullWidth(std::string_view sjis);
