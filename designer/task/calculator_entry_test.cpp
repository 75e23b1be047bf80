#include "designer/task/calculator_entry.h"

#include <gtest/gtest.h>

#include "designer/task/test_support.h"

namespace task {
namespace {

constexpr std::size_t kEntry = startup::kExtraTexts;

std::string Entry(const TaskModel& model) {
    return SlotText(ConstSlot(model.startup.data() + kEntry, kWideSlot));
}

TEST(CalculatorEntry, TheFirstLookupFileDecidesTheNumber) {
    TaskModel model = testing::FreshTask();
    EXPECT_EQ(CalculatorDigit(model), '8');
    model.lookups[0][lookup::kRecordLength] = 20;
    EXPECT_EQ(CalculatorDigit(model), '8') << "a record length without fields defines nothing";
    model.lookups[0][lookup::kFieldCount] = 3;
    EXPECT_EQ(CalculatorDigit(model), '9');
    model.lookups[0] = {};
    model.lookups[1][lookup::kRecordLength] = 20;
    model.lookups[1][lookup::kFieldCount] = 3;
    EXPECT_EQ(CalculatorDigit(model), '8') << "the system menu counts the first lookup file only";
}

TEST(CalculatorEntry, OnlyAnEntryNumberedEightOrNineIsRenumbered) {
    TaskModel model = testing::FreshTask();
    model.lookups[0][lookup::kRecordLength] = 20;
    model.lookups[0][lookup::kFieldCount] = 3;
    NumberCalculatorEntry(model);
    EXPECT_EQ(Entry(model), "9. Calculator       ");
    model.lookups[0][lookup::kFieldCount] = 0;
    NumberCalculatorEntry(model);
    EXPECT_EQ(Entry(model), "8. Calculator       ");

    const std::array<std::string, 3> kept = {"Calculator", "7. Calc", ""};
    model.lookups[0][lookup::kFieldCount] = 3;
    for (const std::string& text : kept) {
        SetSlotText(Slot(model.startup.data() + kEntry, kWideSlot), text);
        NumberCalculatorEntry(model);
        EXPECT_EQ(Entry(model), text);
    }
    EXPECT_EQ(model.startup[kEntry + kWideSlot], testing::FreshTask().startup[kEntry + kWideSlot])
        << "the next text is not touched";
}

}  // namespace
}  // namespace task
