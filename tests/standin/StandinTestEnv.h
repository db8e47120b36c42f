#pragma once
// Environment variables and child programs in the stand-in's tests, on
// POSIX and on Windows alike.
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#ifndef _WIN32
#include <sys/wait.h>
#endif

// Sets (or, with null, clears) an environment variable for one scope.
class ClScopedEnv {
public:
    ClScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        Set(value);
    }
    ~ClScopedEnv() { Set(old_ ? old_->c_str() : nullptr); }
    ClScopedEnv(const ClScopedEnv&) = delete;
    ClScopedEnv& operator=(const ClScopedEnv&) = delete;

private:
    void Set(const char* value) {
#ifdef _WIN32
        _putenv_s(name_, value ? value : "");
#else
        value ? setenv(name_, value, 1) : unsetenv(name_);
#endif
    }

    const char* name_;
    std::optional<std::string> old_;
};

// A path as the platform's shell takes it.
inline std::string NativePath(std::string path) {
#ifdef _WIN32
    std::replace(path.begin(), path.end(), '/', '\\');
#endif
    return path;
}

// Runs a command line through the shell; its exit status.
inline int RunCommand(const std::string& command) {
#ifdef _WIN32
    return std::system(("\"" + command + "\"").c_str());  // cmd strips the outer quotes
#else
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}
