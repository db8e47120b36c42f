#pragma once
// The texts of the report's values. Amounts and areas are signed 64-bit
// counts of ten-thousandths (of a yen, of a square metre).
#include <cstdint>
#include <string>

// Whole yen truncated toward zero; empty when that is 0.
std::string AmountText(std::int64_t value);
// Ages, months, numbers of persons: empty for 0.
std::string CountText(std::int32_t value);
// yyyymmdd as yyyymm; empty when that is 0.
std::string ContractMonthText(std::int32_t date);
// yyyymmdd unchanged; empty for 0.
std::string PaymentDateText(std::int32_t date);
// Square metres with two decimals, rounded half away from zero; empty for 0.
std::string AreaText(std::int64_t value);
