#include "designer/simulator/clock_line.h"

#include <algorithm>
#include <cstdio>


namespace simulator {
namespace {

constexpr const char* kMonths[] = {"JAN ", "FEB ", "MAR ", "APR ", "MAY ", "JUN ",
                                   "JUL ", "AUG ", "SEP ", "OCT ", "NOV ", "DEC "};
constexpr std::size_t kCounterColumn = 14;

}  // namespace

std::string FourDigits(int count) {
    // The terminal shows four digits; beyond 9999 the count wraps rather than
    // showing a character that is no digit.
    const int shown = count < 0 ? 0 : count % 10000;
    std::string digits(4, '0');
    digits[0] = static_cast<char>('0' + shown / 1000);
    digits[1] = static_cast<char>('0' + shown / 100 % 10);
    digits[2] = static_cast<char>('0' + shown / 10 % 10);
    digits[3] = static_cast<char>('0' + shown % 10);
    return digits;
}

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
