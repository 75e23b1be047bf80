#include "testing/memory_link.h"

#include <gtest/gtest.h>

namespace test_support {
namespace {

TEST(MemoryLink, BytesCrossBothWaysAndEmptyReadsCostOnlyTheirWait) {
    common::TestClock clock;
    MemoryLinkPair pair(clock);
    pair.far().onWrite = nullptr;
    pair.host().onWrite = [&](const std::vector<std::uint8_t>&) { pair.far().Write("ok\r"); };

    std::uint8_t buffer[8] = {};
    EXPECT_EQ(pair.host().Read(buffer, sizeof buffer, 0), 0);
    EXPECT_EQ(clock.NowMs(), 0u);  // nothing waiting, no wait asked: back at once
    EXPECT_EQ(pair.host().Read(buffer, sizeof buffer, 3000), 0);
    EXPECT_EQ(clock.NowMs(), termlink::kTransferDeadlineMs);  // a wait is capped at the deadline

    ASSERT_TRUE(pair.host().Write("CIPHER\r"));
    EXPECT_EQ(pair.far().Read(buffer, sizeof buffer, 0), 7);
    EXPECT_EQ(std::string(buffer, buffer + 7), "CIPHER\r");
    EXPECT_EQ(pair.host().Read(buffer, 2, 0), 2);
    EXPECT_EQ(pair.host().Read(buffer, sizeof buffer, 0), 1);
    EXPECT_EQ(buffer[0], '\r');
}

TEST(MemoryLink, DelayedBytesArriveWithinTheWaitAndPurgeDropsThem) {
    common::TestClock clock;
    MemoryLinkPair pair(clock);
    pair.far().answerDelayMs = 250;
    pair.far().Write("x");

    std::uint8_t b = 0;
    EXPECT_EQ(pair.host().Read(&b, 1, 100), 0);
    EXPECT_EQ(clock.NowMs(), 100u);
    EXPECT_EQ(pair.host().Read(&b, 1, 500), 1);
    EXPECT_EQ(clock.NowMs(), 250u);  // returned when the byte came, not at the end of the wait

    pair.far().Write("yz");
    pair.host().Purge(false, true);
    EXPECT_EQ(pair.host().Pending(), 0u);
    ASSERT_EQ(pair.host().purges.size(), 1u);
    EXPECT_TRUE(pair.host().purges[0].receive);
}

TEST(MemoryLink, RecordsOperationsAndInjectedFailures) {
    common::TestClock clock;
    MemoryLinkPair pair(clock);
    MemoryLink& host = pair.host();
    ASSERT_TRUE(host.Open("COM3"));
    host.SetQueues(256, 1200);
    termlink::LineSettings line;
    line.rate = 9600;
    host.Apply(line);
    host.SetTransferTimeouts();
    host.Close();
    using Op = MemoryLink::Op;
    EXPECT_EQ(host.ops, (std::vector<Op>{Op::Open, Op::SetQueues, Op::Apply, Op::SetTransferTimeouts, Op::Close}));
    EXPECT_EQ(host.openedDevice, "COM3");
    EXPECT_EQ(host.queues.at(0).output, 1200u);
    EXPECT_EQ(host.Current().rate, 9600u);

    host.openFails = true;
    host.applyFails = true;
    host.writeFails = true;
    host.readFails = true;
    std::uint8_t b = 0;
    EXPECT_FALSE(host.Open("COM3"));
    EXPECT_FALSE(host.Apply(line));
    EXPECT_FALSE(host.Write("A"));
    EXPECT_EQ(host.Read(&b, 1, 10), -1);
}

}  // namespace
}  // namespace test_support
