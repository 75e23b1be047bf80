#include "designer/simulator/local_time.h"

#include <chrono>
#include <ctime>

#include "common/clock.h"
#include "common/local_calendar.h"

namespace simulator {

CivilTime SystemLocalTime::Now() {
    const std::tm parts = common::LocalCalendarTime(std::time(nullptr));
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec};
}

ClockedLocalTime::ClockedLocalTime(CivilTime start, common::Clock& clock)
    : start_(start), clock_(clock), startMs_(clock.NowMs()) {}

CivilTime ClockedLocalTime::Now() {
    using namespace std::chrono;
    const sys_days startDay = year_month_day{year{start_.year}, month{static_cast<unsigned>(start_.month)},
                                             day{static_cast<unsigned>(start_.day)}};
    const auto elapsed = seconds{(clock_.NowMs() - startMs_) / 1000};
    const auto moment = startDay + hours{start_.hour} + minutes{start_.minute} + seconds{start_.second} + elapsed;
    const sys_days today = floor<days>(moment);
    const year_month_day date{today};
    const hh_mm_ss time{moment - today};
    return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day())), static_cast<int>(time.hours().count()),
            static_cast<int>(time.minutes().count()), static_cast<int>(time.seconds().count())};
}

}  // namespace simulator
