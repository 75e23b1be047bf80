// Windows: the thread's priority within its process class.
#include <windows.h>

#include "loader/link/thread_priority.h"

namespace loader {

RaisedPriority::RaisedPriority() {
    saved_ = ::GetThreadPriority(::GetCurrentThread());
    if (saved_ == THREAD_PRIORITY_ERROR_RETURN) return;
    raised_ = ::SetThreadPriority(::GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL) != 0;
}

RaisedPriority::~RaisedPriority() {
    if (raised_) ::SetThreadPriority(::GetCurrentThread(), saved_);
}

}  // namespace loader
