// The clock line under the main menu and the clock that drives it.
#include "designer/simulator/clock_line.h"

#include "designer/simulator/engine_test_support.h"

namespace simulator::testing {
namespace {

TEST(ClockLine, ColonBlinksAndTheCounterEndsTheLine) {
    const CivilTime now{2024, 1, 7, 9, 5, 0};
    EXPECT_EQ(ClockLineText(now, 0, 12, true), "JAN 07, 09:05 0012");
    EXPECT_EQ(ClockLineText(now, 4, 12, true), "JAN 07, 09:05 0012");
    EXPECT_EQ(ClockLineText(now, 5, 12, true), "JAN 07, 09 05 0012");
    EXPECT_EQ(ClockLineText(now, 9, 12, false), "JAN 07, 09 05  ");
    EXPECT_EQ(ClockLineText({2024, 12, 31, 23, 59, 0}, 0, 10123, true), "DEC 31, 23:59 0123");
}

TEST(ClockedLocalTime, RunsOnFromItsStartAcrossMidnightAndMonths) {
    common::TestClock clock(5000);
    ClockedLocalTime time({2023, 12, 31, 23, 59, 58}, clock);
    EXPECT_EQ(time.Now(), (CivilTime{2023, 12, 31, 23, 59, 58}));
    clock.Advance(2500);
    EXPECT_EQ(time.Now(), (CivilTime{2024, 1, 1, 0, 0, 0}));
}

TEST_F(EngineTest, TheMainMenuShowsTheClockLineEveryTick) {
    task.recordCounter = 12;
    engine.RestartAtMainMenu();
    EXPECT_EQ(Screen().clockLine, "JAN 07, 09:05 0012");
    Ticks(4);
    EXPECT_EQ(Screen().clockLine, "JAN 07, 09:05 0012");
    Ticks(1);
    EXPECT_EQ(Screen().clockLine, "JAN 07, 09 05 0012");
    Ticks(5);
    EXPECT_EQ(Screen().clockLine, "JAN 07, 09:05 0012");
    Ticks(300);  // 30 seconds later
    EXPECT_EQ(Screen().clockLine, "JAN 07, 09:06 0012");
    task.model.startup[task::startup::kClockLineMode] = 1;
    Ticks(10);
    EXPECT_EQ(Screen().clockLine, "JAN 07, 09:06  ");
    Press({3});
    EXPECT_EQ(Screen().clockLine, "");
}

}  // namespace
}  // namespace simulator::testing
