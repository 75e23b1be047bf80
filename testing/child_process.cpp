#include "testing/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>

namespace test_support {
namespace {

void StartChild(const std::string& program, const std::vector<std::string>& args, const ProgramOptions& options,
                int out, int err) {
    for (const auto& [name, value] : options.environment) setenv(name.c_str(), value.c_str(), 1);
    const int in = open(options.input.c_str(), O_RDONLY);
    if (in < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0) _exit(127);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
}

}  // namespace

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                      const ProgramOptions& options) {
    ProgramRun run;
    int out[2], err[2];
    if (pipe(out) != 0 || pipe(err) != 0) return run;
    const pid_t child = fork();
    if (child == 0) {
        close(out[0]);
        close(err[0]);
        StartChild(program, args, options, out[1], err[1]);
    }
    close(out[1]);
    close(err[1]);

    // Both pipes are drained while the child runs, so a chatty child never blocks.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(options.timeLimitMs);
    pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
    std::string* texts[2] = {&run.out, &run.err};
    int open = 2;
    while (open > 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            run.running = true;
            break;
        }
        if (poll(fds, 2, static_cast<int>(left.count())) < 0) continue;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) continue;
            char buffer[4096];
            const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                texts[i]->append(buffer, static_cast<std::size_t>(n));
            } else {
                close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
    if (run.running) kill(child, SIGKILL);
    for (const pollfd& fd : fds) {
        if (fd.fd >= 0) close(fd.fd);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (!run.running && WIFEXITED(status)) {
        run.exited = true;
        run.status = WEXITSTATUS(status);
    } else if (!run.running && WIFSIGNALED(status)) {
        run.signal = WTERMSIG(status);
    }
    return run;
}

std::string Describe(const ProgramRun& run) {
    if (run.running) return "still running";
    if (run.exited) return "exited " + std::to_string(run.status);
    return "signal " + std::to_string(run.signal);
}

}  // namespace test_support
