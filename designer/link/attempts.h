#pragma once
// A failed download may be tried again from the start as often as the user
// asks: the designer reopens the port for each attempt, the loader keeps it
// open, and both ask the same question after a failure.
#include <functional>

#include "common/ui_port.h"
#include "designer/link/notice.h"

namespace termlink {

enum class AttemptEnd {
    Delivered,  // the transfer succeeded
    Failed,     // the transfer failed: the user may try again
    Stopped,    // the command cannot go on (a file or a setting was refused): no question
};

// Runs `attempt` until it delivers or stops; after each failure asks
// `retryQuestion` (Yes/No) and ends on No. `beforeRetry`, when given, runs
// between a Yes and the next attempt. Returns how the last attempt ended.
AttemptEnd RepeatWhileAsked(common::UiPort& ui, const Notice& retryQuestion,
                            const std::function<AttemptEnd()>& attempt,
                            const std::function<void()>& beforeRetry = {});

}  // namespace termlink
