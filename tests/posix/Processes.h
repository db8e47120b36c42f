#pragma once
// Child processes for tests of permissions, signals and overlapping runs.
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

// Runs check in a child process as the user "nobody" when the tests run as
// root, since root may write where the check needs a refusal. The result is
// check's (0 for success), or -1 when the child did not get to return one.
inline int RunUnprivileged(const std::function<int()>& check) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(100);
        ::_exit(check());
    }
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

// The owner a file needs for RunUnprivileged to be its owner.
inline void GiveToUnprivileged(const char* path) {
    if (::geteuid() == 0) (void)::lchown(path, 65534, 65534);
}
