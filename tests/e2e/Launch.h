#pragma once
// Runs a program as a user or a caller would: given lines on standard input,
// standard output and error captured, optionally a file open for writing at
// descriptor 3 as the caller's notice channel, a clean environment.
#include <string>
#include <vector>

struct StLAUNCH {
    std::string program;
    std::vector<std::string> args;
    std::string input;             // UTF-8, as typed
    std::vector<std::string> env;  // "NAME=value"
    bool caller = false;           // a notice channel at descriptor 3
};

struct StOUTCOME {
    int status = -1;  // the exit status; -1 when killed or not started
    std::string out;
    std::string err;
    std::string notices;  // what arrived on the caller's channel
};

// Waits at most 30 seconds, then the program is ended.
StOUTCOME Launch(const StLAUNCH& launch);
