#include "designer/simulator/clock_line.h"

#include <algorithm>
#include <cstdio>

#include "designer/simulator/task_text.h"

namespace simulator {
namespace {

constexpr const char* kMonths[] = {"JAN ", "FEB ", "MAR ", "APR ", "MAY ", "JUN ",
                                   "JUL ", "AUG ", "SEP ", "OCT ", "NOV ", "DEC "};
constexpr std::size_t kCounterColumn = 14;

}  // namespace

std::string ClockLineText(const CivilTime& now, int tick, int recordCount, bool showCounter) {
    const int month = std::clamp(now.month, 1, 12);
    char rest[32];
    std::snprintf(rest, sizeof rest, tick < 5 ? "%02d, %02d:%02d  " : "%02d, %02d %02d  ",
                  std::clamp(now.day, 0, 99), std::clamp(now.hour, 0, 99), std::clamp(now.minute, 0, 99));
    std::string text = std::string(kMonths[month - 1]) + rest;
    if (showCounter) {
        text.resize(kCounterColumn, ' ');
        text += FourDigits(recordCount);
    }
    return text;
}

}  // namespace simulator
