#pragma once
// The product name and version the accounting application's support
// information gives for the report's SYSTEM section.
#include <string>

struct StPRODUCTINFO {
    std::string name;     // Shift_JIS; empty when there is none
    std::string version;  // empty when there is none
};

// Reads "SUPPORT.INF" in the current directory.
StPRODUCTINFO ReadProductInfo();
