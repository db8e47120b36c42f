#pragma once
// What vkdataset tells the writer of a data set beyond its validity: values
// the programs do not know, and which income kinds the selected company can
// be exported with. Texts in UTF-8.
#include <string>
#include <vector>

#include "standin/StandinDataset.h"

// Impossible dates, return and business kinds the programs do not know;
// each "member: problem", the member relative to the company.
std::vector<std::string> CompanyWarnings(const StSTANDINCOMPANY& company);

struct StKINDADVICE {
    int incomeKind;       // 1 business, 2 other, 3 real estate
    bool offered;         // the dialog offers the kind for this company
    std::string problem;  // why an offered kind cannot be exported; empty when it can
};
std::vector<StKINDADVICE> IncomeKindAdvice(const StSTANDINCOMPANY& company);

const char* IncomeKindName(int incomeKind);
