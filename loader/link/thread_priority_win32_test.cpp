// The raise lasts as long as the guard, and only for its own thread.
#include "loader/link/thread_priority.h"

#include <windows.h>

#include <future>

#include <gtest/gtest.h>

namespace loader {
namespace {

int PriorityOfThisThread() { return ::GetThreadPriority(::GetCurrentThread()); }

TEST(RaisedPriority, TheRaiseLastsAsLongAsTheGuardAndTouchesNoOtherThread) {
    ASSERT_TRUE(::SetThreadPriority(::GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL));
    // Another terminal's thread, already running when this one raises its priority.
    std::promise<void> raisedNow;
    std::future<int> otherPriority = std::async(std::launch::async, [signal = raisedNow.get_future()]() mutable {
        signal.wait();
        return PriorityOfThisThread();
    });
    {
        RaisedPriority raised;
        EXPECT_TRUE(raised.Raised()) << "any user may raise a thread within its process class";
        EXPECT_EQ(PriorityOfThisThread(), THREAD_PRIORITY_TIME_CRITICAL);
        raisedNow.set_value();
        EXPECT_EQ(otherPriority.get(), THREAD_PRIORITY_NORMAL);
    }
    EXPECT_EQ(PriorityOfThisThread(), THREAD_PRIORITY_BELOW_NORMAL) << "what it was before, not normal";
    ::SetThreadPriority(::GetCurrentThread(), THREAD_PRIORITY_NORMAL);
}

}  // namespace
}  // namespace loader
