#include "Launch.h"

#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// An anonymous file holding text; descriptors made from it share its offset, at 0.
int FileWith(const std::string& text) {
    const int fd = ::memfd_create("launch", MFD_CLOEXEC);
    if (fd >= 0 && ::pwrite(fd, text.data(), text.size(), 0) != static_cast<ssize_t>(text.size())) {
        ::close(fd);
        return -1;
    }
    return fd;
}

std::string Content(int fd) {
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = ::pread(fd, buffer, sizeof buffer, static_cast<off_t>(text.size()))) > 0;) {
        text.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return text;
}

}  // namespace

StOUTCOME Launch(const StLAUNCH& launch) {
    StOUTCOME outcome;
    const int in = FileWith(launch.input), out = FileWith(""), err = FileWith("");
    const int caller = launch.caller ? FileWith("") : -1;
    std::vector<char*> argv{const_cast<char*>(launch.program.c_str())};
    for (const std::string& arg : launch.args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (const std::string& var : launch.env) envp.push_back(const_cast<char*>(var.c_str()));
    envp.push_back(nullptr);

    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(in, 0);
        ::dup2(out, 1);
        ::dup2(err, 2);
        if (launch.caller) ::dup2(caller, 3);
        ::alarm(30);  // survives exec: a program that hangs is ended
        ::execve(launch.program.c_str(), argv.data(), envp.data());
        ::_exit(127);
    }
    int status = 0;
    if (pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status)) outcome.status = WEXITSTATUS(status);
    ::close(in);
    outcome.out = Content(out);
    outcome.err = Content(err);
    if (launch.caller) outcome.notices = Content(caller);
    return outcome;
}
