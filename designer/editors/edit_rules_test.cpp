#include "designer/editors/edit_rules.h"

#include <gtest/gtest.h>

#include "common/cp1251.h"

namespace editors {
namespace {

void ExpectNumber(std::string_view typed, int minimum, int maximum, int value, const std::string& shown) {
    const NumberEntry entry = ApplyNumberRule(typed, minimum, maximum);
    EXPECT_EQ(entry.value, value) << '"' << typed << '"';
    EXPECT_EQ(entry.text, shown) << '"' << typed << '"';
}

TEST(NumberBox, OnlyTextThatIsAllDigitsIsANumber) {
    ExpectNumber("42", 0, 80, 42, "42");
    ExpectNumber("007", 0, 80, 7, "007");
    ExpectNumber("12a", 0, 80, 0, "0");
    ExpectNumber("-5", 0, 80, 0, "0");
    ExpectNumber(" 7", 0, 80, 0, "0");
    ExpectNumber("", 0, 80, 0, "");
}

TEST(NumberBox, NumbersOutsideTheRangeBecomeTheBoundWithoutOverflowing) {
    ExpectNumber("81", 0, 80, 80, "80");
    ExpectNumber("99999999999", 0, 80, 80, "80");
    ExpectNumber("4294967296", 0, 255, 255, "255");  // wraps to 0 in 32 bits
    ExpectNumber("000000000000000000000000000009", 0, 80, 9, "000000000000000000000000000009");
    ExpectNumber("0", 1, 127, 1, "1");
    ExpectNumber("x", 1, 127, 1, "1");
    ExpectNumber("", 1, 127, 1, "");  // the user is still typing: the box stays empty
}

TEST(NumberBox, DigitsAloneParse) {
    int value = -1;
    EXPECT_TRUE(ParseDigits("0255", value));
    EXPECT_EQ(value, 255);
    EXPECT_FALSE(ParseDigits("", value));
    EXPECT_FALSE(ParseDigits("+1", value));
    EXPECT_FALSE(ParseDigits("1 ", value));
}

TEST(TextBox, TextLongerThanTheLimitIsStoredCutAsShown) {
    const TextEntry entry = ApplyTextRule("Количество на складе, шт", 20);
    EXPECT_EQ(entry.text, "Количество на складе");
    EXPECT_EQ(entry.stored, common::Utf8ToCp1251("Количество на складе"));
    EXPECT_EQ(entry.stored.size(), 20u);
    EXPECT_EQ(ApplyTextRule("short", 15).text, "short");
}

TEST(TextBox, CharactersWindows1251CannotHoldAreLeftOutNotReplaced) {
    const TextEntry entry = ApplyTextRule("Цена \xE4\xB8\xAD€\xF0\x9F\x98\x80!", 20);  // a CJK sign and an emoji
    EXPECT_EQ(entry.text, "Цена €!");
    EXPECT_EQ(entry.stored, "\xD6\xE5\xED\xE0 \x88!");
    EXPECT_EQ(ApplyTextRule(std::string("a\0b", 3), 20).stored, "ab");  // a zero would end the text early
    // Left-out characters do not count against the limit.
    EXPECT_EQ(ApplyTextRule("\xF0\x9F\x98\x80" "abc", 3).text, "abc");
}

TEST(ListAndCheck, ValuesWithoutAnItemSelectNothing) {
    EXPECT_EQ(SelectionFor(3, 4), 3);
    EXPECT_EQ(SelectionFor(4, 4), -1);
    EXPECT_EQ(SelectionFor(255, 19), -1);
    EXPECT_EQ(SelectionFor(-1, 19), -1);
    EXPECT_EQ(Toggled(0), 1);
    EXPECT_EQ(Toggled(1), 0);
    EXPECT_EQ(Toggled(7), 0);
}

}  // namespace
}  // namespace editors
