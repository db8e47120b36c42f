#pragma once
// The inspector's commands, with their output and exit status, apart from
// the process so that tests run them directly.
#include <string>
#include <vector>

struct StRUN {
    int status =
        0;  // 0 every check passed / no difference; 1 a check failed / differences; 2 not readable as an export
    std::string out;  // Shift_JIS for the terminal
    std::string err;
};

// args as the command line gives them; file paths are used unconverted.
StRUN RunInspect(const std::vector<std::string>& args);
