#include "designer/link/fd_io_posix.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>

namespace termlink {
namespace {

using SteadyTime = std::chrono::steady_clock::time_point;

int MsUntil(SteadyTime deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
    return static_cast<int>(std::max<long long>(left, 0));
}

enum class Readiness { Ready, TimedOut, Failed };

// A signal ends the wait early as if it had timed out, so a program can
// notice why it was woken; the callers' own deadlines bring them back.
Readiness WaitReady(int fd, short events, SteadyTime deadline) {
    pollfd p{fd, events, 0};
    const int r = poll(&p, 1, MsUntil(deadline));
    if (r < 0) return errno == EINTR ? Readiness::TimedOut : Readiness::Failed;
    if (r == 0) return Readiness::TimedOut;
    if (p.revents & events) return Readiness::Ready;
    // Hung up or in error with nothing to read: waiting again would spin.
    return Readiness::Failed;
}

}  // namespace

int ReadWithin(int fd, std::uint8_t* buffer, std::size_t capacity, std::uint32_t waitMs) {
    if (capacity == 0) return 0;
    const SteadyTime deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    bool reportedReadable = false;
    for (;;) {
        const ssize_t n = ::read(fd, buffer, capacity);
        if (n > 0) return static_cast<int>(n);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) return -1;
        // Readable yet nothing to read: the line has hung up.
        if (reportedReadable) return -1;
        switch (WaitReady(fd, POLLIN, deadline)) {
            case Readiness::Ready: reportedReadable = true; break;
            case Readiness::TimedOut: return 0;
            case Readiness::Failed: return -1;
        }
    }
}

bool WriteWithin(int fd, const std::uint8_t* bytes, std::size_t count, std::uint32_t limitMs) {
    const SteadyTime deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = ::write(fd, bytes + done, count - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) return false;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        if (WaitReady(fd, POLLOUT, deadline) == Readiness::Failed) return false;
    }
    return true;
}

}  // namespace termlink
