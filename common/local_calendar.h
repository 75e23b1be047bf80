#pragma once
// The computer's local calendar time of a moment: the C library spells it
// differently on each system.
#include <ctime>

namespace common {

std::tm LocalCalendarTime(std::time_t moment);

}  // namespace common
