#pragma once
// The line under the main menu: date and time with a colon that blinks once
// a second, and optionally the record counter, which counter lines of forms
// show the same way.
#include <string>

#include "designer/simulator/local_time.h"

namespace simulator {

// `tick` is the 100 ms tick within the second (0..9): the colon shows in the
// first half. With `showCounter` the last characters give the record count.
std::string ClockLineText(const CivilTime& now, int tick, int recordCount, bool showCounter);

// A record count as four digits, as the clock line and counter lines show it.
std::string FourDigits(int count);

}  // namespace simulator
