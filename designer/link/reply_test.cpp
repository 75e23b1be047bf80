#include "designer/link/reply.h"

#include <gtest/gtest.h>

#include "testing/memory_link.h"

namespace termlink {
namespace {

constexpr ReplyRule kDesigner{3000, 10};
constexpr ReplyRule kLoaderFirst{2000, 16};

// The terminal's side writes, the reader reads on the host's side.
struct Line {
    common::TestClock clock;
    test_support::MemoryLinkPair pair{clock};
    ByteReader reader{pair.host(), clock};

    void Say(const std::string& bytes) { pair.far().Write(bytes); }
};

TEST(Reply, EndsAtTheCrOrAtTheLimitAndTheRestWaits) {
    Line line;
    line.Say("0123456789ABC\r");
    EXPECT_EQ(ReadReply(line.reader, kDesigner), "0123456789");
    EXPECT_EQ(ReadReply(line.reader, kDesigner), "ABC");
    EXPECT_EQ(line.clock.NowMs(), 0u);  // neither waited

    line.Say("8300RU004\r0123456789ABCDEFGH\r");
    EXPECT_EQ(ReadReply(line.reader, kLoaderFirst), "8300RU004");
    EXPECT_EQ(ReadReply(line.reader, kLoaderFirst), "0123456789ABCDEF");
    EXPECT_EQ(ReadReply(line.reader, kLoaderFirst), "GH");

    // Compared as a zero-terminated text: a zero byte ends it.
    line.Say(std::string("AC\0K\r", 5));
    EXPECT_EQ(ReadReply(line.reader, kDesigner), "AC");
}

TEST(Reply, WaitsItsOwnTimeAndNoLonger) {
    Line line;
    line.Say("AC");  // no CR: what came is the reply once the time is up
    EXPECT_EQ(ReadReply(line.reader, kDesigner), "AC");
    EXPECT_EQ(line.clock.NowMs(), 3000u);

    EXPECT_EQ(ReadReply(line.reader, kLoaderFirst), "");
    EXPECT_EQ(line.clock.NowMs(), 5000u);

    // A reply that starts after the time is not this one's.
    line.pair.far().answerDelayMs = 2001;
    line.Say("ACK\r");
    EXPECT_EQ(ReadReply(line.reader, kLoaderFirst), "");
    EXPECT_EQ(ReadReply(line.reader, kLoaderFirst), "ACK");
}

TEST(Reply, FrameKeepsItsFirstBytesAndIsReadToItsCr) {
    Line line;
    line.Say(std::string(300, 'x') + "\rACK\r");
    const ReceivedFrame longOne = ReadFrame(line.reader, 500, 255);
    EXPECT_TRUE(longOne.ended);
    EXPECT_EQ(longOne.bytes, std::string(255, 'x'));  // no room left for its CR

    const ReceivedFrame next = ReadFrame(line.reader, 500, 10);
    EXPECT_TRUE(next.ended);
    EXPECT_EQ(next.bytes, "ACK\r");

    line.Say("ACK");
    const ReceivedFrame unended = ReadFrame(line.reader, 500, 10);
    EXPECT_FALSE(unended.ended);
    EXPECT_EQ(unended.bytes, "ACK");
    EXPECT_EQ(line.clock.NowMs(), 500u);
}

}  // namespace
}  // namespace termlink
