#include "designer/link/stop_request.h"

#include <algorithm>

namespace termlink {

bool PauseUnlessStopped(common::Clock& clock, std::uint32_t ms, StopRequest* stop) {
    if (stop == nullptr || !stop->CanBeGiven()) {
        if (ms > 0) clock.SleepMs(ms);
        return true;
    }
    for (std::uint32_t left = ms; left > 0;) {
        if (stop->Given()) return false;
        const std::uint32_t slice = std::min(left, kStopPollMs);
        clock.SleepMs(slice);
        left -= slice;
    }
    return !stop->Given();
}

}  // namespace termlink
