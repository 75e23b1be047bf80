#pragma once
// Every deadline and pause in the programs reads this clock, so tests can run
// a three-second time-out in no wall time at all.
#include <cstdint>

namespace common {

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary start; never goes backwards.
    virtual std::uint64_t NowMs() = 0;
    virtual void SleepMs(std::uint32_t ms) = 0;
};

// The real clock: std::chrono::steady_clock and std::this_thread::sleep_for.
class SteadyClock final : public Clock {
public:
    std::uint64_t NowMs() override;
    void SleepMs(std::uint32_t ms) override;
};

// A clock that moves only when told to; sleeping advances it at once.
class TestClock final : public Clock {
public:
    explicit TestClock(std::uint64_t startMs = 0) : now_(startMs) {}
    std::uint64_t NowMs() override { return now_; }
    void SleepMs(std::uint32_t ms) override { now_ += ms; }
    void Advance(std::uint64_t ms) { now_ += ms; }

private:
    std::uint64_t now_;
};

}  // namespace common
