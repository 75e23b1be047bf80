#include "common/cp1251.h"

#include <gtest/gtest.h>

namespace common {
namespace {

TEST(Cp1251, RoundTripsRussianAndAscii) {
    const std::string utf8 = "Задача преобразована! Ok.";
    const std::string bytes = Utf8ToCp1251(utf8);
    EXPECT_EQ(bytes.size(), 25u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xC7);  // З
    EXPECT_EQ(Cp1251ToUtf8(bytes), utf8);
}

TEST(Cp1251, UnrepresentableCharactersBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1251("a\xE2\x82\xAC" "b\xE4\xB8\xAD"), "a\x88" "b?");  // euro sign is 0x88
    EXPECT_EQ(Utf8ToCp1251("\xC3"), "?");  // cut sequence
    EXPECT_EQ(Cp1251ToUtf8("\x98"), "\xEF\xBF\xBD");  // the unassigned byte
}

TEST(Cp1251, UnrepresentableCharactersCanBeLeftOut) {
    EXPECT_EQ(Utf8ToCp1251("a\xE2\x82\xAC" "b\xE4\xB8\xAD" "c\xF0\x9F\x98\x80" "\xD0\xAF", Unmappable::Drop),
              "a\x88" "bc\xDF");  // euro kept, the CJK sign and the emoji dropped, Я kept
    EXPECT_EQ(Utf8ToCp1251("x\xC3", Unmappable::Drop), "x");  // a cut sequence holds no character
    EXPECT_EQ(Utf8ToCp1251("\xEF\xBF\xBD", Unmappable::Drop), "");  // U+FFFD is no Windows-1251 character
}

}  // namespace
}  // namespace common
