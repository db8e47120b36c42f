#pragma once
// Runs a program as a user or a caller would: given lines on standard input,
// standard output and error captured, optionally a pipe at descriptor 3 as
// the caller's notice channel, a clean environment.
#include <string>
#include <vector>

struct StLAUNCH {
    std::string program;
    std::vector<std::string> args;
    std::string input;             // UTF-8, as typed
    std::vector<std::string> env;  // "NAME=value"
    bool callerPipe = false;       // a pipe's write end at descriptor 3
};

struct StOUTCOME {
    int status = -1;  // the exit status; -1 when killed or not started
    std::string out;
    std::string err;
    std::string notices;  // what arrived on the caller's pipe
};

// Waits at most 30 seconds, then kills the program.
StOUTCOME Launch(const StLAUNCH& launch);
