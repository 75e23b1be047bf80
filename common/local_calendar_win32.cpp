#include "common/local_calendar.h"

namespace common {

std::tm LocalCalendarTime(std::time_t moment) {
    std::tm parts{};
    localtime_s(&parts, &moment);
    return parts;
}

}  // namespace common
