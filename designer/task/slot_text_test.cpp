#include "designer/task/slot_text.h"

#include <array>
#include <string>

#include <gtest/gtest.h>

namespace task {
namespace {

template <std::size_t N>
std::array<Byte, N> Bytes(const char (&text)[N + 1]) {
    std::array<Byte, N> bytes{};
    for (std::size_t i = 0; i < N; ++i) bytes[i] = static_cast<Byte>(text[i]);
    return bytes;
}

std::string AsString(ConstSlot slot) { return std::string(slot.begin(), slot.end()); }

TEST(SlotText, ReadsUpToTheTerminatorAndNeverPastTheSlot) {
    const auto terminated = Bytes<6>("ab\0cd\0");
    EXPECT_EQ(SlotText(terminated), "ab");
    EXPECT_EQ(TextBeforeZero(terminated), "ab");

    // A full slot: the text proper stops before its last byte, the raw bytes do not.
    const auto full = Bytes<6>("abcdef");
    EXPECT_EQ(SlotText(full), "abcde");
    EXPECT_EQ(TextBeforeZero(full), "abcdef");

    const auto empty = Bytes<3>("\0xy");
    EXPECT_EQ(SlotText(empty), "");
    EXPECT_EQ(SlotText(ConstSlot()), "");
    // Windows-1251 bytes pass as they are.
    EXPECT_EQ(SlotText(Bytes<3>("\xC6\xE0\0")), "\xC6\xE0");
}

TEST(SlotText, WritingZeroFillsTheTailAndKeepsTheTerminator) {
    auto slot = Bytes<6>("XXXXXX");
    SetSlotText(slot, "ab");
    EXPECT_EQ(AsString(slot), std::string("ab\0\0\0\0", 6));
    SetSlotText(slot, "too long for it");
    EXPECT_EQ(AsString(slot), std::string("too l\0", 6));
    SetSlotText(slot, "");
    EXPECT_EQ(AsString(slot), std::string(6, '\0'));
}

TEST(SlotText, CuttingZeroesFromTheCutAndKeepsWhatIsBefore) {
    // What lies between the terminator and the cut stays: the cut only shortens.
    auto slot = Bytes<8>("ab\0dEFGH");
    CutSlotText(slot, 5);
    EXPECT_EQ(AsString(slot), std::string("ab\0dE\0\0\0", 8));
    CutSlotText(slot, 8);  // the whole slot: nothing to cut
    EXPECT_EQ(AsString(slot), std::string("ab\0dE\0\0\0", 8));
}

TEST(SlotText, PaddingFillsTheLineWithSpacesThenATerminator) {
    auto slot = Bytes<8>("ab\0xyzQR");
    PadSlotText(slot, 5);
    EXPECT_EQ(AsString(slot), std::string("ab   \0QR", 8)) << "bytes after the line are left";

    // A line without a terminator within it is kept to its width.
    auto full = Bytes<6>("abcdef");
    PadSlotText(full, 5);
    EXPECT_EQ(AsString(full), std::string("abcde\0", 6));
    // Spaces already there count as text.
    auto spaces = Bytes<4>("   \0");
    PadSlotText(spaces, 3);
    EXPECT_EQ(AsString(spaces), std::string("   \0", 4));
}

}  // namespace
}  // namespace task
