// The raise lasts as long as the guard, and only for its own thread.
#include "loader/link/thread_priority.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <future>
#include <thread>

#include <gtest/gtest.h>

namespace loader {
namespace {

int NiceOfThisThread() { return ::getpriority(PRIO_PROCESS, static_cast<id_t>(::syscall(SYS_gettid))); }

TEST(RaisedPriority, TheRaiseLastsAsLongAsTheGuardAndTouchesNoOtherThread) {
    const int before = NiceOfThisThread();
    // Another terminal's thread, already running when this one raises its priority.
    std::promise<void> raisedNow;
    std::future<int> otherNice = std::async(std::launch::async, [signal = raisedNow.get_future()]() mutable {
        signal.wait();
        return NiceOfThisThread();
    });
    {
        RaisedPriority raised;
        if (raised.Raised()) EXPECT_EQ(NiceOfThisThread(), -20);
        else EXPECT_EQ(NiceOfThisThread(), before) << "refused: nothing changes";
        raisedNow.set_value();
        EXPECT_EQ(otherNice.get(), before);
    }
    EXPECT_EQ(NiceOfThisThread(), before);
}

}  // namespace
}  // namespace loader
