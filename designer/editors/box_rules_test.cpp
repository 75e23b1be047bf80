#include "designer/editors/box_rules.h"

#include <gtest/gtest.h>

namespace editors {
namespace {

struct Typed {
    std::string_view text;
    int value;
    std::string shown;
};

void ExpectEntries(const char* rule, const std::vector<Typed>& cases,
                   const std::function<NumberEntry(std::string_view)>& apply) {
    for (const Typed& typed : cases) {
        const NumberEntry entry = apply(typed.text);
        EXPECT_EQ(entry.value, typed.value) << rule << " \"" << typed.text << '"';
        EXPECT_EQ(entry.text, typed.shown) << rule << " \"" << typed.text << '"';
    }
}

TEST(BoxRules, AWholeNumberBoxAlwaysHoldsANumber) {
    ExpectEntries("whole", {{"", 0, "0"}, {"abc", 0, "0"}, {"-5", 0, "0"}, {"05", 5, "5"}, {"00", 0, "0"},
                            {"255", 255, "255"}, {"256", 255, "255"}, {"99999999999", 255, "255"}},
                  [](std::string_view text) { return ApplyWholeNumberRule(text, 255); });
}

TEST(BoxRules, TheDurationRefusesAThirdDigit) {
    ExpectEntries("duration", {{"150", 15, "15"}, {"99", 99, "99"}, {"100", 10, "10"}, {"x", 0, "0"},
                               {"", 0, "0"}, {"07", 7, "7"}, {"99999999999", 99, "99"}},
                  ApplyDurationRule);
}

TEST(BoxRules, TheIdleTimeKeepsOneDigitBetweenOneAndNine) {
    const auto withTwoStored = [](std::string_view text) { return ApplyIdleTimeRule(text, 2); };
    ExpectEntries("idle", {{"25", 5, "5"},  // the digit typed after the stored one replaces it
                           {"52", 5, "5"},  // typed before it: the new first digit stays
                           {"05", 2, "2"}, {"0", 1, "1"}, {"", 1, "1"}, {"a", 1, "1"}, {"7", 7, "7"},
                           {"20", 1, "1"},  // never 0, which the terminal cannot show
                           {"105", 1, "1"}},
                  withTwoStored);
    EXPECT_EQ(ApplyIdleTimeRule("03", 0).value, 1) << "a stored 0 is not brought back";
    EXPECT_EQ(ApplyIdleTimeRule("03", 40).value, 9);
}

TEST(BoxRules, TheDelimiterKeepsItsValueForAnythingButANumberFrom1To255) {
    const auto withComma = [](std::string_view text) { return ApplyDelimiterRule(text, 44); };
    ExpectEntries("delimiter", {{"59", 59, "59"}, {"1", 1, "1"}, {"300", 255, "255"}, {"0", 44, "44"},
                                {"", 44, "44"}, {"tab", 44, "44"}, {"13", 44, "44"}},
                  [&](std::string_view text) { return withComma(text).entry; });
    EXPECT_TRUE(withComma("13").carriageReturn);
    EXPECT_TRUE(withComma("013").carriageReturn);
    EXPECT_FALSE(withComma("0").carriageReturn);
    EXPECT_FALSE(withComma("130").carriageReturn);
}

TEST(BoxRules, APasswordIsTenLettersOrDigits) {
    struct Case {
        std::string_view typed;
        std::string kept;
        bool tooLong, invalid;
    };
    const Case cases[] = {
        {"12-34", "1234", false, true},
        {"abcDEF1234", "abcDEF1234", false, false},
        {"abcDEF12345", "abcDEF1234", true, false},
        {"Пароль", "", false, true},
        {"ab€9", "ab9", false, true},
        {"ÄÖÜäöüßéèà1", "", true, true},  // eleven characters of two bytes each
        {"", "", false, false},
    };
    for (const Case& c : cases) {
        const PasswordEntry entry = ApplyPasswordRule(c.typed);
        EXPECT_EQ(entry.text, c.kept) << c.typed;
        EXPECT_EQ(entry.tooLong, c.tooLong) << c.typed;
        EXPECT_EQ(entry.invalidCharacter, c.invalid) << c.typed;
    }
}

}  // namespace
}  // namespace editors
