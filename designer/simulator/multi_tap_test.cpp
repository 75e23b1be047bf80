// Letters from the numeric keys in alphabetic entry.
#include "designer/simulator/engine_test_support.h"
#include "designer/simulator/multi_tap.h"

namespace simulator::testing {
namespace {

using namespace task::form;

TEST(MultiTap, PressesStepThroughEachKeysCharacters) {
    const auto typed = [](int key, int presses) {
        MultiTap tap;
        for (int i = 0; i < presses; ++i) tap.Press(key);
        return tap.PendingCharacter();
    };
    EXPECT_EQ(typed(2, 1), 'A');
    EXPECT_EQ(typed(2, 3), 'C');
    EXPECT_EQ(typed(2, 4), 'A');  // three variants, then round again
    EXPECT_EQ(typed(7, 4), 'S');
    EXPECT_EQ(typed(9, 4), 'Z');
    EXPECT_EQ(typed(9, 5), 'W');
    EXPECT_EQ(typed(1, 2), ' ');
    EXPECT_EQ(typed(10, 2), '$');
    EXPECT_EQ(typed(11, 2), '*');
    EXPECT_EQ(typed(12, 2), '#');
    EXPECT_EQ(typed(12, 3), '%');
    EXPECT_EQ(typed(16, 1), 0);  // no letters on ENTER

    MultiTap tap;
    tap.Press(5);
    for (int i = 0; i < 6; ++i) EXPECT_FALSE(tap.Tick());
    EXPECT_TRUE(tap.Tick());
    EXPECT_EQ(tap.Take(), 'J');
    EXPECT_FALSE(tap.Pending());
}

class AlphabeticEntryTest : public EngineTest {
protected:
    void SetUp() override {
        SetField(Form(1), 0, {kText, "T:"});
        Collect();
        Press({13});
    }
};

TEST_F(AlphabeticEntryTest, RepeatedPressesGiveOneLetterCommittedByTheTimer) {
    EXPECT_TRUE(Screen().alphabetic);
    Press({2, 2, 2});
    EXPECT_EQ(Screen().pendingLetter, 'C');
    EXPECT_EQ(Line(1), "T:");  // drawn at the cursor, not stored yet
    EXPECT_EQ(DisplayedLine(Screen(), 0), "T:C                 ");
    Ticks(6);
    EXPECT_EQ(Screen().pendingLetter, 'C');
    Ticks(1);
    EXPECT_EQ(Screen().pendingLetter, 0);
    EXPECT_EQ(Line(1), "T:C");
    EXPECT_EQ(Screen().cursorColumn, 3);
}

TEST_F(AlphabeticEntryTest, AnotherKeyCommitsThePendingLetterFirst) {
    Press({2, 3});
    EXPECT_EQ(Line(1), "T:A");
    EXPECT_EQ(Screen().pendingLetter, 'D');
    Ticks(3);
    Press({3});  // the pause was short: still the same letter
    EXPECT_EQ(Screen().pendingLetter, 'E');
    Press({23});  // backspace commits "E", then removes it
    EXPECT_EQ(Line(1), "T:A");
    Press({7, 13});  // leaving alphabetic entry commits too
    EXPECT_FALSE(Screen().alphabetic);
    EXPECT_EQ(Line(1), "T:AP");
    Press({2});
    EXPECT_EQ(Line(1), "T:AP2");
}

TEST_F(AlphabeticEntryTest, ALetterRejectedByTheFieldShowsTheErrorUntilTheNextKey) {
    SetField(Form(1), 0, {kInteger, "N:"});
    Collect();
    Press({13, 2, 3});  // "A" is committed by key 3 and refused
    EXPECT_EQ(Screen().mode, Mode::Error);
    EXPECT_EQ(Screen().pendingLetter, 0);
    Press({3});
    EXPECT_EQ(Screen().mode, Mode::Form);
    EXPECT_EQ(Line(1), "N:");
}

}  // namespace
}  // namespace simulator::testing
