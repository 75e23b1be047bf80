#include "testing/vterm_process.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace test_support {
namespace {

constexpr int kStartTimeoutMs = 5000;
constexpr int kStopTimeoutMs = 2000;

// Waits in poll until the descriptor has something (or is closed); false on time-out.
bool WaitReadable(int fd, int timeoutMs) {
    pollfd p{fd, POLLIN, 0};
    int ready;
    do {
        ready = ::poll(&p, 1, timeoutMs);
    } while (ready < 0 && errno == EINTR);
    return ready > 0;
}

// The first line the program prints; empty when it prints none in time.
std::string ReadFirstLine(int fd) {
    std::string line;
    char c;
    while (WaitReadable(fd, kStartTimeoutMs) && ::read(fd, &c, 1) == 1) {
        if (c == '\n') return line;
        line.push_back(c);
    }
    return {};
}

// Reads and drops the program's output until it closes (the program ended);
// false when it is still open after `timeoutMs`.
bool DrainUntilClosed(int fd, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    char sink[256];
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !WaitReadable(fd, static_cast<int>(left.count()))) return false;
        if (::read(fd, sink, sizeof sink) <= 0) return true;
    }
}

}  // namespace

std::string VtermPath() {
    if (const char* bin = std::getenv("MOSTREL_BIN"); bin != nullptr && *bin != '\0') {
        return std::string(bin) + "/vterm";
    }
    return VTERM_BUILT_PATH;
}

std::unique_ptr<VtermProcess> VtermProcess::Start(const std::vector<std::string>& args, std::string& error) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) {
        error = "no pipe";
        return nullptr;
    }
    // Other programs the test starts must not hold the program's output open.
    ::fcntl(pipeEnds[0], F_SETFD, FD_CLOEXEC);
    const std::string path = VtermPath();
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(path.c_str()));
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    const pid_t pid = ::fork();
    if (pid < 0) {
        ::close(pipeEnds[0]);
        ::close(pipeEnds[1]);
        error = "cannot fork";
        return nullptr;
    }
    if (pid == 0) {
        ::dup2(pipeEnds[1], STDOUT_FILENO);
        ::close(pipeEnds[0]);
        ::close(pipeEnds[1]);
        ::execv(path.c_str(), argv.data());
        ::_exit(127);
    }
    ::close(pipeEnds[1]);
    std::unique_ptr<VtermProcess> process(new VtermProcess(pid, pipeEnds[0]));
    // "<device> <COM name>"
    const std::string line = ReadFirstLine(pipeEnds[0]);
    const std::size_t space = line.find(' ');
    if (space == std::string::npos || space == 0) {
        error = "no port line from " + path;
        return nullptr;
    }
    process->device_ = line.substr(0, space);
    process->comName_ = line.substr(space + 1);
    return process;
}

int VtermProcess::WaitForExit(int ms) {
    if (pid_ <= 0) return -1;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        if (std::chrono::steady_clock::now() >= deadline) return -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

void VtermProcess::Signal(int signal) const {
    if (pid_ > 0) ::kill(pid_, signal);
}

VtermProcess::~VtermProcess() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        if (!DrainUntilClosed(output_, kStopTimeoutMs)) ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    ::close(output_);
}

}  // namespace test_support
