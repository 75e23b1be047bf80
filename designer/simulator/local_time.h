#pragma once
// Wall-clock time for the stamps of output records and the clock line. An
// interface, so tests and the headless runner can fix the date.
#include <cstdint>

namespace common {
class Clock;
}

namespace simulator {

struct CivilTime {
    int year = 2000;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;

    bool operator==(const CivilTime&) const = default;
};

class LocalTime {
public:
    virtual ~LocalTime() = default;
    virtual CivilTime Now() = 0;
};

// The computer's local time.
class SystemLocalTime final : public LocalTime {
public:
    CivilTime Now() override;
};

// A fixed start time that moves on with a Clock: a TestClock advanced by the
// timer ticks gives a deterministic, still running clock.
class ClockedLocalTime final : public LocalTime {
public:
    ClockedLocalTime(CivilTime start, common::Clock& clock);
    CivilTime Now() override;

private:
    CivilTime start_;
    common::Clock& clock_;
    std::uint64_t startMs_;
};

}  // namespace simulator
