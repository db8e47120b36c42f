#pragma once
// The output file's temporary files: ".orbek-" followed by 12 hex digits and
// ".tmp", in the folder of the file they will replace.
#include <string>

// A fresh name of that pattern in folder (UTF-8, without a trailing "/").
std::string NewTempFilePath(const std::string& folder);

// Removes the regular files of that pattern in folder that were last written
// more than an hour ago: what runs ended by SIGKILL or a crash left behind.
void RemoveStaleTempFiles(const std::string& folder);

// While armed, a temporary file is removed when SIGINT, SIGTERM or SIGHUP
// ends the program; the program then ends by that signal as it would have.
// Signals the program ignores, or handles itself, are left alone.
class ClTempFileGuard {
public:
    ClTempFileGuard() = default;
    ~ClTempFileGuard() { Disarm(); }
    ClTempFileGuard(const ClTempFileGuard&) = delete;
    ClTempFileGuard& operator=(const ClTempFileGuard&) = delete;

    // Creates the file at path (UTF-8) exclusively, for writing, and arms
    // for it: a descriptor, or -1 with errno set. The handlers are in place
    // and the name registered before the file exists, and the ending signals
    // wait while it is made, so that a signal at any moment leaves nothing;
    // a file this run did not create is never removed.
    int Create(const std::string& path, unsigned mode);
    // Removes the file created and disarms.
    void Remove(const std::string& path);
    void Disarm();

private:
    void Arm(const std::string& path);

private:
    int slot_ = -1;
};
