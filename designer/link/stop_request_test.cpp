// The user's stop request in the link core: pauses and reads end within a
// poll of the request on the test clock, and a request once given stays.
#include "designer/link/stop_request.h"

#include <gtest/gtest.h>

#include "designer/link/byte_reader.h"
#include "testing/memory_link.h"

namespace termlink {
namespace {

TEST(StopRequest, APauseEndsWithinAPollOfTheRequestAndRunsFullWithoutOne) {
    common::TestClock clock;
    EXPECT_TRUE(PauseUnlessStopped(clock, 1500, nullptr));
    EXPECT_EQ(clock.NowMs(), 1500u);

    StopRequest nobody;  // cannot be given: a plain pause
    EXPECT_TRUE(PauseUnlessStopped(clock, 1500, &nobody));
    EXPECT_EQ(clock.NowMs(), 3000u);

    StopRequest never([] { return false; });
    EXPECT_TRUE(PauseUnlessStopped(clock, 1050, &never));
    EXPECT_EQ(clock.NowMs(), 4050u) << "the last slice is the rest, not a whole poll";

    common::TestClock fresh;
    StopRequest at250([&fresh] { return fresh.NowMs() >= 250; });
    EXPECT_FALSE(PauseUnlessStopped(fresh, 1000, &at250));
    EXPECT_EQ(fresh.NowMs(), 300u);
    EXPECT_FALSE(PauseUnlessStopped(fresh, 1000, &at250));
    EXPECT_EQ(fresh.NowMs(), 300u) << "a later pause ends at once";
}

TEST(StopRequest, OnceGivenItStaysGiven) {
    bool asked = true;
    StopRequest stop([&asked] { return asked; });
    EXPECT_TRUE(stop.Given());
    asked = false;  // the button is enabled again, the window closed...
    EXPECT_TRUE(stop.Given());
    EXPECT_TRUE(Stopped(&stop));
    EXPECT_FALSE(Stopped(nullptr));
}

TEST(StopRequest, AReadOnASilentLineEndsWithinAPollOnceGiven) {
    common::TestClock clock;
    test_support::MemoryLinkPair pair{clock};
    StopRequest stop([&clock] { return clock.NowMs() >= 1000; });
    ByteReader reader(pair.host(), clock, &stop);
    EXPECT_EQ(reader.Next(reader.DeadlineIn(10000)), std::nullopt);
    EXPECT_GE(clock.NowMs(), 1000u);
    EXPECT_LE(clock.NowMs(), 1000u + kStopPollMs);

    // A byte already there is no reason to go on once stopped.
    pair.far().Write("A");
    EXPECT_EQ(reader.Next(reader.DeadlineIn(2000)), std::nullopt);
}

TEST(StopRequest, AReadWithoutARequestWaitsForItsByte) {
    common::TestClock clock;
    test_support::MemoryLinkPair pair{clock};
    StopRequest never([] { return false; });
    ByteReader reader(pair.host(), clock, &never);
    pair.far().answerDelayMs = 1750;
    pair.far().Write("AB");
    EXPECT_EQ(reader.Next(reader.DeadlineIn(2000)), std::optional<std::uint8_t>('A'));
    EXPECT_EQ(clock.NowMs(), 1750u) << "waited in slices, but no longer than the byte took";
    EXPECT_EQ(reader.Next(reader.DeadlineIn(0)), std::optional<std::uint8_t>('B'));
    EXPECT_EQ(reader.Next(reader.DeadlineIn(300)), std::nullopt);
    EXPECT_EQ(clock.NowMs(), 2050u);
}

}  // namespace
}  // namespace termlink
