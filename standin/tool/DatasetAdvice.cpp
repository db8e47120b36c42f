#include "standin/tool/DatasetAdvice.h"

#include <string_view>

namespace {

// A blue business or other report reads the income before the blue-return
// deduction from the 43rd summary row.
constexpr std::size_t kBlueRowsNeeded = 43;
// ippan.general.aoKoujoSentaku: the report knows choice 0 and 1 only.
constexpr std::size_t kAoKoujoSentaku = 521;

bool IsDate(std::int32_t yyyymmdd) {
    const int year = yyyymmdd / 10000, month = yyyymmdd / 100 % 100, day = yyyymmdd % 100;
    if (year < 1 || month < 1 || month > 12 || day < 1) return false;
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

bool Offered(int jigyouKind, int incomeKind) {
    if (jigyouKind == kJigyouGeneral) return incomeKind != kIncomeRealEstate;
    if (jigyouKind == kJigyouRealEstate) return incomeKind == kIncomeRealEstate;
    return true;
}

std::string BlueProblem(const StSTANDINCOMPANY& company, int incomeKind) {
    const StandinBlock& general = company.ippan[0];
    const int choice = general.size() > kAoKoujoSentaku ? general[kAoKoujoSentaku] : -1;
    if (choice != 0 && choice != 1) {
        return "ippan.general.aoKoujoSentaku is " + std::to_string(choice) + "; a blue return needs 0 or 1";
    }
    if (incomeKind == kIncomeRealEstate) return {};
    const auto& s = company.blue[0];
    const std::size_t rows = s.pl.size() + s.bsAssets.size() + s.bsLiabilities.size() + company.manufacturing.size();
    if (rows < kBlueRowsNeeded) {
        return "a blue return needs at least 43 summary rows (blue.general pl, bsAssets, bsLiabilities, then "
               "blue.manufacturing; the 43rd is the income before the blue-return deduction), " +
               std::to_string(rows) + " given";
    }
    return {};
}

}  // namespace

const char* IncomeKindName(int incomeKind) {
    return incomeKind == kIncomeBusiness ? "business" : incomeKind == kIncomeOther ? "other" : "real estate";
}

std::vector<std::string> CompanyWarnings(const StSTANDINCOMPANY& company) {
    const StDATAINFO& info = company.info;
    std::vector<std::string> warnings;
    for (auto [name, date] : {std::pair{"fiscalFrom", info.fiscalFrom}, std::pair{"fiscalTo", info.fiscalTo}}) {
        if (!IsDate(date))
            warnings.push_back(std::string(name) + ": " + std::to_string(date) + " is no date (YYYYMMDD)");
    }
    if (IsDate(info.fiscalFrom) && IsDate(info.fiscalTo) && info.fiscalFrom > info.fiscalTo) {
        warnings.push_back("fiscalTo: the period ends before it begins");
    }
    if (info.aoSiroKind != kBlueReturn && info.aoSiroKind != kWhiteReturn) {
        warnings.push_back("aoSiroKind: " + std::to_string(info.aoSiroKind) +
                           " is neither 3 (blue return) nor 4 (white return); the file gets an empty income element");
    }
    if (info.jigyouKind < kJigyouGeneral || info.jigyouKind > kJigyouBoth) {
        warnings.push_back("jigyouKind: " + std::to_string(info.jigyouKind) +
                           " is none of 1 (business), 2 (real estate), 3 (both); the dialog offers every kind");
    }
    return warnings;
}

std::vector<StKINDADVICE> IncomeKindAdvice(const StSTANDINCOMPANY& company) {
    const StDATAINFO& info = company.info;
    std::vector<StKINDADVICE> advice;
    for (int kind = kIncomeBusiness; kind <= kIncomeRealEstate; ++kind) {
        StKINDADVICE a{kind, Offered(info.jigyouKind, kind), {}};
        if (info.dataKind == kDataKindPastResults) {
            a.problem = "past-results data (dataKind 99) is refused by the dialog";
        } else if (info.aoSiroKind == kBlueReturn) {
            a.problem = BlueProblem(company, kind);
        } else if (info.aoSiroKind != kWhiteReturn) {
            a.problem = "aoSiroKind " + std::to_string(info.aoSiroKind) + " is no return kind: nothing to report";
        }
        advice.push_back(std::move(a));
    }
    return advice;
}
