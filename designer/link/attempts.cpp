#include "designer/link/attempts.h"

namespace termlink {

AttemptEnd RepeatWhileAsked(common::UiPort& ui, const Notice& retryQuestion,
                            const std::function<AttemptEnd()>& attempt, const std::function<void()>& beforeRetry) {
    for (;;) {
        const AttemptEnd end = attempt();
        if (end != AttemptEnd::Failed || !AskYes(ui, retryQuestion)) return end;
        if (beforeRetry) beforeRetry();
    }
}

}  // namespace termlink
