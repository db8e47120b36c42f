#pragma once
// The translation from the engine's statement rows to the income-tax
// application's import fields: every row names one element and the itemKey
// of the summary row whose amount or account name fills it.
#include <cstdint>
#include <span>
#include <string>

struct StAMOUNTROW {
    const char* tag;
    std::int32_t key;
    std::int32_t nameFlag;  // 1: also write tag + "_KAMOKU" with the account name
};

enum EnBalanceColumn : std::uint8_t { ColumnKisyu = 0, ColumnKimatu = 1, ColumnKamoku = 3 };

struct StBALANCEROW {
    std::string tag;
    std::uint8_t column;
    std::int32_t key;
    std::int32_t nameFlag;  // 1 exactly on the column-3 rows
};

std::span<const StAMOUNTROW> TableA();   // blue general profit and loss, 35 rows
std::span<const StAMOUNTROW> TableB();   // white general profit and loss, 30 rows
std::span<const StAMOUNTROW> TableC();   // manufacturing cost, 20 rows
std::span<const StAMOUNTROW> TableD();   // blue real-estate profit and loss, 17 rows
std::span<const StAMOUNTROW> TableE();   // white real-estate profit and loss, 14 rows
std::span<const StBALANCEROW> TableF();  // blue general balance sheet, 114 rows
std::span<const StBALANCEROW> TableG();  // real-estate balance sheet, 116 rows

// The 26 monthly elements in output order.
std::span<const char* const> MonthlyTags();
