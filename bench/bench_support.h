#pragma once
// What the benchmarks share: the bytes that cross a port, the wire time they
// need, and the CPU time the process spent.
#include <sys/resource.h>

#include <cstddef>
#include <cstdint>

#include "designer/link/forwarding_link.h"

namespace bench {

constexpr double kBitsPerSecond = 115200.0;
constexpr double kBitsPerByte = 10.0;  // start bit, eight data bits, stop bit

// Counts the bytes that cross the port in each direction.
class CountingLink final : public termlink::ForwardingLink {
public:
    using ForwardingLink::ForwardingLink;
    std::size_t sent = 0;
    std::size_t received = 0;

    bool Write(const std::uint8_t* bytes, std::size_t count) override {
        sent += count;
        return inner_.Write(bytes, count);
    }
    int Read(std::uint8_t* buffer, std::size_t capacity, std::uint32_t waitMs) override {
        const int n = inner_.Read(buffer, capacity, waitMs);
        if (n > 0) received += static_cast<std::size_t>(n);
        return n;
    }

    // Seconds the counted bytes need on a wire at kBitsPerSecond, one frame in flight at a time.
    double WireSeconds() const { return static_cast<double>(sent + received) * kBitsPerByte / kBitsPerSecond; }
};

// User and system time of every thread of this process.
inline double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

}  // namespace bench
