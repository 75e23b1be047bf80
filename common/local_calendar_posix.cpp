#include "common/local_calendar.h"

namespace common {

std::tm LocalCalendarTime(std::time_t moment) {
    std::tm parts{};
    localtime_r(&moment, &parts);
    return parts;
}

}  // namespace common
