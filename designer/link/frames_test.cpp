#include "designer/link/frames.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace termlink {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(Frames, TaskBlockCarriesItsSumHighByteFirstAndItsNumber) {
    TerminalImage image{};
    std::fill(image.begin() + 300, image.begin() + 400, std::uint8_t{' '});
    const TaskBlockFrame frame = MakeTaskBlockFrame(image, 3);
    EXPECT_EQ(frame[0], ' ');
    EXPECT_EQ(frame[99], ' ');
    EXPECT_EQ(frame[100], 0x0C);  // 100 x 0x20 = 3200 = 0x0C80
    EXPECT_EQ(frame[101], 0x80);
    EXPECT_EQ(frame[102], 3);

    const TaskBlockFrame last = MakeTaskBlockFrame(image, 199);
    EXPECT_EQ(last[100], 0);
    EXPECT_EQ(last[101], 0);
    EXPECT_EQ(last[102], 199);
}

TEST(Frames, LookupLineChecksumNeverLooksLikeACr) {
    EXPECT_EQ(MakeLookupLineFrame("AB"), (Bytes{0x41, 0x42, 0x00, 0x83, 0x0D}));
    EXPECT_EQ(MakeLookupLineFrame(""), (Bytes{0x00, 0x00, 0x0D}));
    // 0xFF + 0x0E = 0x010D: the low byte goes out as 0x0E, the line's own bytes unchanged.
    EXPECT_EQ(MakeLookupLineFrame("\xFF\x0E"), (Bytes{0xFF, 0x0E, 0x01, 0x0E, 0x0D}));
}

TEST(Frames, OverlongLookupLinesAreFoundByNumber) {
    const std::string fits(kMaxLookupLineLength, 'x');
    const std::string tooLong(kMaxLookupLineLength + 1, 'x');
    EXPECT_EQ(FindOverlongLookupLine(""), std::nullopt);
    EXPECT_EQ(FindOverlongLookupLine(fits + "\r\n" + fits), std::nullopt);
    EXPECT_EQ(FindOverlongLookupLine(fits + "\n\n\n"), std::nullopt);  // line feeds are dropped, not counted
    EXPECT_EQ(FindOverlongLookupLine("a\r\nb\r\n" + tooLong + "\r\nc\r\n"), 3);
    EXPECT_EQ(FindOverlongLookupLine("a\r\r" + tooLong), 3);  // the last line needs no CR
}

TEST(Frames, RecordChecksumIsLowByteFirstWithCrAvoided) {
    EXPECT_EQ(RecordChecksum(0, "AB"), (std::array<std::uint8_t, 2>{0x83, 0x00}));
    EXPECT_EQ(RecordChecksum(9, ""), (std::array<std::uint8_t, 2>{0x09, 0x00}));
    EXPECT_EQ(RecordChecksum(1, "\x0C"), (std::array<std::uint8_t, 2>{0x0E, 0x00}));
    EXPECT_EQ(RecordChecksum(0, std::string(260, '\xFF')), (std::array<std::uint8_t, 2>{0xFC, 0x02}));
}

}  // namespace
}  // namespace termlink
