// Key-code strings: the names of the codes, reading a stored string and the
// rules for what may be added to one.
#include "designer/editors/key_codes.h"

#include <array>

#include <gtest/gtest.h>

namespace editors {
namespace {

TEST(KeyCodes, EveryCodeHasTheNameOfItsCell) {
    const std::pair<int, const char*> names[] = {
        {0x00, ""},     {0x01, "Ins"},  {0x08, "BS"},   {0x0A, "LF"},   {0x0B, "Right"}, {0x0D, "Enter"},
        {0x0E, "PgDn"}, {0x0F, "F1"},   {0x10, "F2"},   {0x1A, "F12"},  {0x1B, "ESC"},   {0x1C, "Exec"},
        {0x1D, "Var1"}, {0x1F, "Var3"}, {0x20, "SP"},   {0x21, "!"},    {0x41, "A"},     {0x7E, "~"},
        {0x7F, "DEL"},  {0x80, "128"},  {0xC0, "192"},  {0xFF, "255"},
    };
    for (const auto& [code, name] : names) EXPECT_EQ(KeyName(code), name) << code;
}

TEST(KeyCodes, OnlyZeroLineFeedAndEnterCannotBePicked) {
    int refused = 0;
    for (int code = 0; code < kKeyCodeCount; ++code) refused += IsChoosableKey(code) ? 0 : 1;
    EXPECT_EQ(refused, 3);
    EXPECT_FALSE(IsChoosableKey(0x00));
    EXPECT_FALSE(IsChoosableKey(0x0A));
    EXPECT_FALSE(IsChoosableKey(0x0D));
    EXPECT_FALSE(IsChoosableKey(256)) << "the grid has no more cells";
}

TEST(KeyCodes, AStoredStringEndsAtZeroAtItsCapacityOrAfterAVariable) {
    const std::array<Byte, 10> prefix{0x1B, 0x31, 0, 0x41, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(KeyCodes::FromStored(prefix, 10).Codes(), (std::vector<Byte>{0x1B, 0x31}));

    const std::array<Byte, 10> full{1, 2, 3, 4, 5, 6, 7, 8, 9, 11};
    const KeyCodes ten = KeyCodes::FromStored(full, 10);
    EXPECT_EQ(ten.Codes().size(), 10u) << "a full slot has no terminator";
    EXPECT_TRUE(ten.Full());
    EXPECT_EQ(KeyCodes::FromStored(full, 2).Codes(), (std::vector<Byte>{1, 2})) << "a code ID holds two";

    const std::array<Byte, 4> variable{0x1E, 0x41, 0x42, 0};
    const KeyCodes alone = KeyCodes::FromStored(variable, 10);
    EXPECT_EQ(alone.Codes(), (std::vector<Byte>{0x1E}));
    EXPECT_TRUE(alone.Full()) << "nothing may follow a variable";

    // The grid never makes one, but a string read as stored is written back as stored.
    const std::array<Byte, 4> late{0x41, 0x1F, 0x42, 0};
    EXPECT_EQ(KeyCodes::FromStored(late, 10).Codes(), (std::vector<Byte>{0x41, 0x1F}));
}

TEST(KeyCodes, AVariableComesFirstAndAlone) {
    KeyCodes codes(10);
    EXPECT_TRUE(codes.Add(0x41));
    EXPECT_FALSE(codes.Add(0x1D)) << "a variable after a code";
    EXPECT_EQ(codes.Codes(), (std::vector<Byte>{0x41}));
    codes.Clear();
    EXPECT_TRUE(codes.Add(0x1F));
    EXPECT_FALSE(codes.Add(0x41)) << "a code after a variable";
    EXPECT_FALSE(codes.Add(0x1D));
    EXPECT_EQ(codes.Codes(), (std::vector<Byte>{0x1F}));

    KeyCodes two(2);
    EXPECT_TRUE(two.Add(0x41));
    EXPECT_TRUE(two.Add(0x42));
    EXPECT_FALSE(two.Add(0x43));
    EXPECT_EQ(two.Codes(), (std::vector<Byte>{0x41, 0x42}));
}

TEST(KeyCodes, StoringFillsTheSlotWithZerosAfterTheCodes) {
    KeyCodes codes(10);
    codes.Add(0x1B);
    codes.Add(0x0F);
    std::array<Byte, 10> slot;
    slot.fill(0x55);
    codes.StoreInto(slot);
    EXPECT_EQ(slot, (std::array<Byte, 10>{0x1B, 0x0F, 0, 0, 0, 0, 0, 0, 0, 0}));
}

}  // namespace
}  // namespace editors
