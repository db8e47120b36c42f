#pragma once
// The C library's decimal conversion (atoi): leading blanks skipped, an
// optional sign, the digits up to the first non-digit; 0 when there are none.
// A value beyond 32 bits is held at the nearest limit.
#include <cstdint>
#include <string_view>

std::int32_t DecimalValue(std::string_view text);
