#include "designer/link/cradle.h"

#include <gtest/gtest.h>

#include "testing/memory_link.h"

namespace termlink {
namespace {

using test_support::MemoryLinkPair;

// Plays the cradle on the far end: with RTS off it echoes a probe sent at
// its own rate and takes 0x07, a speed code and 'Q' as a new rate.
class CradleOnFarEnd {
public:
    CradleOnFarEnd(MemoryLinkPair& pair, std::uint32_t rate) : pair_(pair), rate_(rate) {
        pair.host().onWrite = [this](const std::vector<std::uint8_t>& bytes) { Hear(bytes); };
    }
    std::uint32_t rate() const { return rate_; }

private:
    void Hear(const std::vector<std::uint8_t>& bytes) {
        const LineSettings line = pair_.host().Current();
        if (line.rtsOn || line.rate != rate_) return;
        for (std::uint8_t b : bytes) {
            if (b == wire::kCradleProbe && command_.empty()) {
                pair_.far().Write("\x0F");
            } else {
                command_.push_back(static_cast<char>(b));
            }
        }
        if (command_.size() == 3 && command_[0] == 0x07 && command_[2] == 'Q') {
            rate_ = RateOfSpeedIndex('6' - command_[1]);
            command_.clear();
        }
    }

    MemoryLinkPair& pair_;
    std::uint32_t rate_;
    std::string command_;
};

struct Rig {
    common::TestClock clock;
    MemoryLinkPair pair{clock};
    LinkState state;
};

TEST(Cradle, FoundAt9600FirstWithLongPausesThroughout) {
    Rig rig;
    CradleOnFarEnd cradle(rig.pair, 9600);
    ASSERT_TRUE(ConfigureIrCradle(rig.pair.host(), rig.state, rig.clock, 0));

    // Ten settle pauses of 200 ms: one before the probe, four in it, five after.
    EXPECT_EQ(rig.clock.NowMs(), 2000u);
    EXPECT_EQ(rig.state.settleDelayMs, 200);
    EXPECT_EQ(rig.pair.host().Written(), std::string("\x0F\x07" "6Q"));
    EXPECT_EQ(cradle.rate(), 115200u);

    const auto& applied = rig.pair.host().applied;
    ASSERT_EQ(applied.size(), 5u);
    EXPECT_EQ(applied[0].rate, 38400u);
    EXPECT_TRUE(applied[0].rtsOn && applied[0].dtrOn);
    EXPECT_EQ(applied[1].rate, 9600u);
    EXPECT_FALSE(applied[1].rtsOn);
    EXPECT_TRUE(applied[2].rtsOn);
    EXPECT_EQ(applied[3].rate, 9600u);  // the rate change is spoken at the old rate
    EXPECT_FALSE(applied[3].rtsOn);
    EXPECT_EQ(applied[4].rate, 115200u);
    EXPECT_TRUE(applied[4].rtsOn && applied[4].dtrOn);
    EXPECT_EQ(applied[4].byteSize, 8);

    ASSERT_EQ(rig.pair.host().purges.size(), 1u);
    EXPECT_TRUE(rig.pair.host().purges[0].transmit && rig.pair.host().purges[0].receive);
}

TEST(Cradle, FoundAtAnotherRateUsesShortPausesAfterTheFirstProbe) {
    Rig rig;
    CradleOnFarEnd cradle(rig.pair, 19200);
    ASSERT_TRUE(ConfigureIrCradle(rig.pair.host(), rig.state, rig.clock, 2));

    // 200 before probing; the 9600 probe 4 x 200 plus its 100 ms wait; the
    // three silent probes 4 x 100 + 100 each; the answering one 4 x 100;
    // five pauses of 100 after it.
    EXPECT_EQ(rig.clock.NowMs(), 200u + 900u + 1500u + 400u + 500u);
    EXPECT_EQ(rig.state.settleDelayMs, 100);
    EXPECT_EQ(rig.pair.host().Written(), std::string("\x0F\x0F\x0F\x0F\x0F\x07" "4Q"));
    EXPECT_EQ(cradle.rate(), 38400u);
    EXPECT_EQ(rig.pair.host().Current().rate, 38400u);
}

TEST(Cradle, SpeedIndexFourSendsTwoAndEndsAt9600) {
    Rig rig;
    CradleOnFarEnd cradle(rig.pair, 57600);
    ASSERT_TRUE(ConfigureIrCradle(rig.pair.host(), rig.state, rig.clock, 4));
    const std::string written = rig.pair.host().Written();
    ASSERT_GE(written.size(), 3u);
    EXPECT_EQ(written.substr(written.size() - 3), std::string("\x07" "2Q"));
    EXPECT_EQ(rig.pair.host().Current().rate, 9600u);
    EXPECT_EQ(cradle.rate(), 9600u);
}

TEST(Cradle, NoAnswerAtAnyRateFailsWithoutRateChange) {
    Rig rig;
    ASSERT_FALSE(ConfigureIrCradle(rig.pair.host(), rig.state, rig.clock, 0));
    EXPECT_EQ(rig.pair.host().Written(), std::string(5, '\x0F'));
    EXPECT_EQ(rig.pair.host().purges.size(), 5u);
}

TEST(Cradle, AnEchoAfterMoreThan100MsIsNoAnswer) {
    Rig rig;
    CradleOnFarEnd cradle(rig.pair, 9600);
    // The echo leaves the far end only after the 200 ms pause behind the
    // probe plus a bit more than the answer time.
    rig.pair.far().answerDelayMs = 200 + kCradleAnswerMs + 1;
    EXPECT_FALSE(ProbeIrCradle(rig.pair.host(), rig.state, rig.clock, 9600));

    Rig quick;
    CradleOnFarEnd quickCradle(quick.pair, 9600);
    quick.pair.far().answerDelayMs = 200 + kCradleAnswerMs - 1;
    EXPECT_TRUE(ProbeIrCradle(quick.pair.host(), quick.state, quick.clock, 9600));
}

TEST(Cradle, DtrAndRtsStayOnForLaterTransfers) {
    Rig rig;
    CradleOnFarEnd cradle(rig.pair, 9600);
    ASSERT_TRUE(ConfigureIrCradle(rig.pair.host(), rig.state, rig.clock, 1));
    EXPECT_TRUE(rig.state.line.dtrOn);
    EXPECT_TRUE(rig.state.line.rtsOn);
    EXPECT_FALSE(rig.state.line.ctsOutputFlow);
    EXPECT_FALSE(rig.state.line.xonXoffOutput);
    EXPECT_EQ(rig.state.line.rate, 57600u);
}

TEST(Cradle, LoaderProbeDoesNotPurge) {
    Rig rig;
    rig.state.probePurges = false;
    CradleOnFarEnd cradle(rig.pair, 9600);
    ASSERT_TRUE(ProbeIrCradle(rig.pair.host(), rig.state, rig.clock, 9600));
    EXPECT_TRUE(rig.pair.host().purges.empty());
    EXPECT_EQ(rig.clock.NowMs(), 600u);
    EXPECT_EQ(rig.state.settleDelayMs, 100);
}

TEST(Cradle, AStopEndsTheSearchWithinItsPollTime) {
    // No cradle: the five probes alone take seconds.
    Rig rig;
    StopRequest stop([&rig] { return rig.clock.NowMs() >= 1000; });
    EXPECT_FALSE(ConfigureIrCradle(rig.pair.host(), rig.state, rig.clock, 0, &stop));
    EXPECT_LE(rig.clock.NowMs(), 1000u + kStopPollMs);
    EXPECT_LT(rig.pair.host().Written().size(), 5u);  // not every rate was probed
    EXPECT_TRUE(stop.Given());

    // A request nobody can give changes nothing: the pauses are whole.
    Rig whole;
    StopRequest never;
    CradleOnFarEnd cradle(whole.pair, 9600);
    ASSERT_TRUE(ConfigureIrCradle(whole.pair.host(), whole.state, whole.clock, 0, &never));
    Rig plain;
    CradleOnFarEnd plainCradle(plain.pair, 9600);
    ASSERT_TRUE(ConfigureIrCradle(plain.pair.host(), plain.state, plain.clock, 0));
    EXPECT_EQ(whole.clock.NowMs(), plain.clock.NowMs());
}

TEST(Cradle, SpeedIndexOutOfRangeSendsNothing) {
    Rig rig;
    CradleOnFarEnd cradle(rig.pair, 9600);
    EXPECT_FALSE(ConfigureIrCradle(rig.pair.host(), rig.state, rig.clock, 5));
    EXPECT_FALSE(ConfigureIrCradle(rig.pair.host(), rig.state, rig.clock, -1));
    EXPECT_TRUE(rig.pair.host().ops.empty());
    EXPECT_EQ(CradleSpeedCode(0), '6');
    EXPECT_EQ(CradleSpeedCode(3), '3');
}

}  // namespace
}  // namespace termlink
