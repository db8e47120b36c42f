#pragma once
// The names of the output file's temporary files, made beside the file they
// will replace: a prefix, lower-case hex digits and a suffix, each platform
// with its own. What runs that were killed leave behind is removed by its
// name and age alone.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

struct StTEMPNAME {
    std::string_view prefix;
    std::size_t hexDigits;
    std::string_view suffix;
};

// The name with the last hexDigits hex digits of value.
std::string TempFileName(const StTEMPNAME& pattern, std::uint64_t value);

// True for a name of the pattern.
bool IsTempFileName(const StTEMPNAME& pattern, std::string_view name);

// True for a temporary file that a sweep removes: a regular file last
// written more than an hour ago, when no run is still writing it.
bool IsStaleTempFile(bool regularFile, std::int64_t secondsSinceWritten);
