#pragma once
// The user's request to stop a transfer (Cancel on its progress window). It
// is asked for between reads, frames and pauses, and every wait is cut into
// slices short enough that a transfer ends within a fraction of a second.
// Once given it stays given: each layer that looks afterwards ends quietly,
// without the message a failure would show.
#include <cstdint>
#include <functional>
#include <utility>

#include "common/clock.h"

namespace termlink {

// The longest a wait runs before the request is asked for again.
constexpr std::uint32_t kStopPollMs = 100;

class StopRequest {
public:
    StopRequest() = default;  // nobody can give it
    explicit StopRequest(std::function<bool()> ask) : ask_(std::move(ask)) {}

    bool Given() {
        if (!given_ && ask_ && ask_()) given_ = true;
        return given_;
    }
    // Whether anybody can give it, so that waits must be cut into slices.
    bool CanBeGiven() const { return static_cast<bool>(ask_); }

private:
    std::function<bool()> ask_;
    bool given_ = false;
};

// Sleeps `ms` on the clock; with a request that can be given, in slices,
// and false as soon as it is given. Without one (null), a plain sleep.
bool PauseUnlessStopped(common::Clock& clock, std::uint32_t ms, StopRequest* stop);

// Whether the request (if any) has been given.
inline bool Stopped(StopRequest* stop) { return stop != nullptr && stop->Given(); }

}  // namespace termlink
