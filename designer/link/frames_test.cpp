#include "designer/link/frames.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace termlink {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Repeat(std::size_t count, std::uint8_t b) { return Bytes(count, b); }

Bytes Joined(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes BlockFrame(const Bytes& data, int number) {
    const TaskBlockFrame frame = MakeTaskBlockFrame(BlockData(data.data(), data.size()), number);
    return Bytes(frame.begin(), frame.end());
}

TEST(Frames, TaskBlockIsItsDataThenTheSumHighByteFirstThenItsNumber) {
    // 100 spaces sum to 3200 = 0x0C80.
    EXPECT_EQ(BlockFrame(Repeat(100, ' '), 3), Joined(Repeat(100, 0x20), {0x0C, 0x80, 0x03}));
    EXPECT_EQ(BlockFrame(Repeat(100, 0), 199), Joined(Repeat(100, 0), {0x00, 0x00, 0xC7}));
    // 100 x 0xFF = 25500 = 0x639C: the sum needs both bytes.
    EXPECT_EQ(BlockFrame(Repeat(100, 0xFF), 0), Joined(Repeat(100, 0xFF), {0x63, 0x9C, 0x00}));
    // Blocks have a fixed length, so a sum byte equal to CR goes out as it is.
    Bytes data = Repeat(100, 0);
    data[99] = 0x0D;
    EXPECT_EQ(BlockFrame(data, 13), Joined(data, {0x00, 0x0D, 0x0D}));
}

TEST(Frames, ReceivedTaskBlockIsCheckedAgainstItsSum) {
    TaskBlockFrame frame{};
    frame.fill(0x20);
    frame[100] = 0x0C;
    frame[101] = 0x80;
    frame[102] = 42;
    ReceivedBlock block = ParseTaskBlockFrame(frame);
    EXPECT_EQ(block.number, 42);
    EXPECT_TRUE(block.intact);

    frame[50] = 0x21;  // one bit flipped on the way
    EXPECT_FALSE(ParseTaskBlockFrame(frame).intact);
    frame[50] = 0x20;
    frame[101] = 0x81;
    EXPECT_FALSE(ParseTaskBlockFrame(frame).intact);
    frame[100] = 0x0D;  // high byte wrong, low byte right
    frame[101] = 0x80;
    EXPECT_FALSE(ParseTaskBlockFrame(frame).intact);
}

TEST(Frames, LookupLineChecksumNeverLooksLikeACr) {
    EXPECT_EQ(MakeLookupLineFrame("AB"), (Bytes{0x41, 0x42, 0x00, 0x83, 0x0D}));
    EXPECT_EQ(MakeLookupLineFrame(""), (Bytes{0x00, 0x00, 0x0D}));
    // 0xFF + 0x0E = 0x010D: the low byte goes out as 0x0E, the line's own bytes unchanged.
    EXPECT_EQ(MakeLookupLineFrame("\xFF\x0E"), (Bytes{0xFF, 0x0E, 0x01, 0x0E, 0x0D}));
    // 13 x 0xFE + 0x1A = 0x0D00: the high byte too.
    EXPECT_EQ(MakeLookupLineFrame(std::string(13, '\xFE') + "\x1A"),
              Joined(Repeat(13, 0xFE), {0x1A, 0x0E, 0x00, 0x0D}));
}

TEST(Frames, RecordIsSequenceDataThenTheSumLowByteFirst) {
    // The first record with the text AB.
    EXPECT_EQ(MakeRecordFrame(0, "AB"), std::string("\x00\x41\x42\x83\x00\x0D", 6));
    EXPECT_EQ(MakeRecordFrame(9, ""), std::string("\x09\x09\x00\x0D", 4));
    // 1 + 0x0C = 0x0D: the low byte goes out as 0x0E.
    EXPECT_EQ(MakeRecordFrame(1, "\x0C"), std::string("\x01\x0C\x0E\x00\x0D", 5));
    // 9 + 13 x 0xFE + 0x11 = 0x0D00: the high byte too.
    EXPECT_EQ(MakeRecordFrame(9, std::string(13, '\xFE') + "\x11"),
              "\x09" + std::string(13, '\xFE') + std::string("\x11\x00\x0E\x0D", 4));
    // The sum is kept in 16 bits: 260 x 0xFF = 66300 = 0x102FC.
    EXPECT_EQ(MakeRecordFrame(0, std::string(260, '\xFF')),
              std::string(1, '\0') + std::string(260, '\xFF') + "\xFC\x02\x0D");
}

TEST(Frames, ReceivedRecordIsCheckedAndItsDataTaken) {
    const auto ab = ParseRecordFrame(std::string("\x00\x41\x42\x83\x00\x0D", 6));
    ASSERT_TRUE(ab);
    EXPECT_EQ(ab->sequence, 0);
    EXPECT_EQ(ab->data, "AB");
    EXPECT_TRUE(ab->intact);

    // A terminal sends a checksum byte of 0x0D as 0x0E.
    const auto avoided = ParseRecordFrame(std::string("\x01\x0C\x0E\x00\x0D", 5));
    ASSERT_TRUE(avoided);
    EXPECT_TRUE(avoided->intact);
    EXPECT_EQ(avoided->data, "\x0C");

    const auto wrong = ParseRecordFrame(std::string("\x07\x41\x42\x8A\x01\x0D", 6));
    ASSERT_TRUE(wrong);
    EXPECT_EQ(wrong->sequence, 7);  // the sequence byte is read whatever the rest holds
    EXPECT_FALSE(wrong->intact);

    // Cut short: the bytes beyond the frame's room were dropped with its CR.
    EXPECT_FALSE(ParseRecordFrame(std::string("\x00\x41\x42\x83\x00", 5))->intact);
    EXPECT_FALSE(ParseRecordFrame(std::string("\x03\x0D", 2))->intact);
    EXPECT_FALSE(ParseRecordFrame(""));
}

}  // namespace
}  // namespace termlink
