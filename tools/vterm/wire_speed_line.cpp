#include "tools/vterm/wire_speed_line.h"

#include <algorithm>
#include <thread>

namespace vterm {

WireSpeedLine::Time WireSpeedLine::Through(Time& busyUntil, std::size_t count) {
    const Time now = std::chrono::steady_clock::now();
    const std::uint32_t rate = rate_();
    if (rate == 0) return now;
    const auto wire = std::chrono::nanoseconds(static_cast<long long>(count) * 10 * 1'000'000'000LL / rate);
    busyUntil = std::max(busyUntil, now) + std::chrono::duration_cast<Time::duration>(wire);
    return busyUntil;
}

bool WireSpeedLine::Write(const std::uint8_t* bytes, std::size_t count) {
    std::this_thread::sleep_until(Through(sendBusyUntil_, count));
    return inner_.Write(bytes, count);
}

int WireSpeedLine::Read(std::uint8_t* buffer, std::size_t capacity, std::uint32_t waitMs) {
    const int n = inner_.Read(buffer, capacity, waitMs);
    if (n > 0) std::this_thread::sleep_until(Through(receiveBusyUntil_, static_cast<std::size_t>(n)));
    return n;
}

}  // namespace vterm
