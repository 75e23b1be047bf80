#include "tools/vterm/wire_speed_line.h"

#include <algorithm>
#include <thread>

namespace vterm {

WireSpeedLine::Time::duration WireSpeedLine::WireTime(std::size_t count) const {
    const std::uint32_t rate = rate_();
    if (rate == 0) return Time::duration::zero();
    return std::chrono::duration_cast<Time::duration>(
        std::chrono::nanoseconds(static_cast<long long>(count) * 10 * 1'000'000'000LL / rate));
}

WireSpeedLine::Time WireSpeedLine::Through(Time& busyUntil, std::size_t count) {
    busyUntil = std::max(busyUntil, std::chrono::steady_clock::now()) + WireTime(count);
    return busyUntil;
}

void WireSpeedLine::SleepUntil(Time when, Time::duration wire) {
    // Late wake-ups are made up from later waits, never more than one wait
    // can give, and only recent ones: a pause of the host is no debt.
    constexpr auto kMostOwed = std::chrono::milliseconds(2);
    const auto madeUp = std::min(overslept_, wire);
    overslept_ -= madeUp;
    const Time target = when - madeUp;
    std::this_thread::sleep_until(target);
    const auto late = std::chrono::steady_clock::now() - target;
    if (late > Time::duration::zero()) overslept_ = std::min<Time::duration>(overslept_ + late, kMostOwed);
}

bool WireSpeedLine::Write(const std::uint8_t* bytes, std::size_t count) {
    SleepUntil(Through(sendBusyUntil_, count), WireTime(count));
    return inner_.Write(bytes, count);
}

int WireSpeedLine::Read(std::uint8_t* buffer, std::size_t capacity, std::uint32_t waitMs) {
    const int n = inner_.Read(buffer, capacity, waitMs);
    if (n > 0) {
        const auto count = static_cast<std::size_t>(n);
        SleepUntil(Through(receiveBusyUntil_, count), WireTime(count));
    }
    return n;
}

}  // namespace vterm
