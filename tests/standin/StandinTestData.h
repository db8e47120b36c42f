#pragma once
// Small data sets for the stand-in's tests, written as JSON text (UTF-8).
#include <string>

// UTF-8 text from a u8 literal (narrow literals are Shift_JIS in this build).
inline std::string U8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

// A data set of one company (its members given as JSON text: dataNo 5 and,
// unless given, dataId "D5") selected by user "u".
inline std::string OneCompany(const std::string& companyMembers, const std::string& topMembers = "") {
    bool ownId = companyMembers.find("\"dataId\"") != std::string::npos;
    return std::string(R"({"format": 1, "currentUser": "u", "users": [{"userId": "u", "selNo1": 7, "selNo2": 5}],
               "companies": [{"dataNo": 5)") +
           (ownId ? "" : R"(, "dataId": "D5")") + (companyMembers.empty() ? "" : ", " + companyMembers) + "}]" +
           (topMembers.empty() ? "" : ", " + topMembers) + "}";
}
