#pragma once
// The project's own mapping of Shift_JIS text to full width, the same result
// as the Windows mapping with LCMAP_FULLWIDTH: ASCII signs, digits and letters
// and half-width katakana become their double-byte forms, a katakana followed
// by a voiced or semi-voiced mark becomes one composed character where code
// page 932 has one, double-byte characters pass unchanged.
#include <string>
#include <string_view>

std::string FullWidthForm(std::string_view sjis);
