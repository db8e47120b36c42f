#include "Launch.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace {

void WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;  // the program stopped reading
        done += static_cast<std::size_t>(n);
    }
}

}  // namespace

StOUTCOME Launch(const StLAUNCH& launch) {
    ::signal(SIGPIPE, SIG_IGN);
    StOUTCOME outcome;
    int in[2], out[2], err[2], caller[2] = {-1, -1};
    if (::pipe2(in, O_CLOEXEC) || ::pipe2(out, O_CLOEXEC) || ::pipe2(err, O_CLOEXEC) ||
        (launch.callerPipe && ::pipe2(caller, O_CLOEXEC))) {
        return outcome;
    }
    std::vector<char*> argv{const_cast<char*>(launch.program.c_str())};
    for (const std::string& arg : launch.args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (const std::string& var : launch.env) envp.push_back(const_cast<char*>(var.c_str()));
    envp.push_back(nullptr);

    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(in[0], 0);
        ::dup2(out[1], 1);
        ::dup2(err[1], 2);
        if (launch.callerPipe) ::dup2(caller[1], 3);
        ::execve(launch.program.c_str(), argv.data(), envp.data());
        ::_exit(127);
    }
    ::close(in[0]);
    ::close(out[1]);
    ::close(err[1]);
    if (launch.callerPipe) ::close(caller[1]);
    if (pid < 0) return outcome;

    WriteAll(in[1], launch.input);
    ::close(in[1]);

    struct Source {
        int fd;
        std::string* text;
    };
    std::vector<Source> open{{out[0], &outcome.out}, {err[0], &outcome.err}};
    if (launch.callerPipe) open.push_back({caller[0], &outcome.notices});
    bool killed = false;
    while (!open.empty()) {
        std::vector<pollfd> fds;
        for (const Source& s : open) fds.push_back({s.fd, POLLIN, 0});
        const int ready = ::poll(fds.data(), fds.size(), 30000);
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) {
            ::kill(pid, SIGKILL);
            killed = true;
            break;
        }
        for (std::size_t i = fds.size(); i-- > 0;) {
            if (!fds[i].revents) continue;
            char buffer[4096];
            const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                open[i].text->append(buffer, static_cast<std::size_t>(n));
            } else {
                ::close(fds[i].fd);
                open.erase(open.begin() + static_cast<std::ptrdiff_t>(i));
            }
        }
    }
    for (const Source& s : open) ::close(s.fd);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!killed && WIFEXITED(status)) outcome.status = WEXITSTATUS(status);
    return outcome;
}
