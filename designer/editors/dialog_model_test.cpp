// The mechanism under every page and dialog, on a small dialog of its own.
#include "designer/editors/dialog_model.h"

#include <array>

#include <gtest/gtest.h>

#include "designer/editors/dialog_stack.h"
#include "designer/editors/test_support.h"

namespace editors {
namespace {

using task::Byte;
using testing::SampleDialog;
using K = SampleDialog;

class DialogModelTest : public ::testing::Test {
protected:
    testing::SheetBench bench;
    DialogStack stack;
    EditorContext context{bench.task, bench.strings, bench.ui, bench.defaults, stack};
    std::array<Byte, 10> record{1, 7, 0b1010'0001, 20, 'a', 'b', 0, 'x', 'y', 0};
    SampleDialog dialog{context, record, "SampleDlg", false};
};

TEST_F(DialogModelTest, ControlsShowTheStoredValues) {
    EXPECT_TRUE(dialog.State(K::kCheck)->checked);
    EXPECT_EQ(dialog.State(K::kList)->selection, -1) << "7 has no item";
    EXPECT_FALSE(dialog.State(K::kRadioA)->checked);
    EXPECT_FALSE(dialog.State(K::kRadioB)->checked) << "bits 2-3 hold 0";
    EXPECT_EQ(dialog.State(K::kNumber)->text, "20");
    EXPECT_EQ(dialog.State(K::kText)->text, "ab");
    EXPECT_EQ(dialog.State(K::kLabel)->text, "nil");
    EXPECT_EQ(dialog.State(999), nullptr);
}

TEST_F(DialogModelTest, EventsStoreThroughTheBindingsAndTheRulesWriteBack) {
    EXPECT_EQ(dialog.Choose(K::kList, 2), EventError::None);
    EXPECT_EQ(record[1], 2);
    EXPECT_EQ(dialog.Click(K::kRadioB), EventError::None);
    EXPECT_EQ(record[2], 0b1010'1001) << "only bits 2-3 change";
    EXPECT_TRUE(dialog.State(K::kRadioB)->checked);
    EXPECT_EQ(dialog.Click(K::kRadioA), EventError::None);
    EXPECT_EQ(record[2], 0b1010'0101);
    EXPECT_FALSE(dialog.State(K::kRadioB)->checked) << "the other button of the field follows";

    EXPECT_EQ(dialog.SetText(K::kNumber, "99999999999"), EventError::None);
    EXPECT_EQ(record[3], 80);
    EXPECT_EQ(dialog.State(K::kNumber)->text, "80");
    EXPECT_EQ(dialog.SetText(K::kText, "abcdefgh"), EventError::None);
    EXPECT_EQ(dialog.State(K::kText)->text, "abcde");
    EXPECT_EQ((std::array<Byte, 6>{record[4], record[5], record[6], record[7], record[8], record[9]}),
              (std::array<Byte, 6>{'a', 'b', 'c', 'd', 'e', 0}));
    EXPECT_EQ(dialog.SetText(K::kText, "z"), EventError::None);
    EXPECT_EQ((std::array<Byte, 3>{record[4], record[5], record[6]}), (std::array<Byte, 3>{'z', 0, 0}))
        << "the slot's tail is cleared";

    EXPECT_EQ(dialog.Click(K::kCheck), EventError::None);
    EXPECT_EQ(record[0], 0);
    EXPECT_FALSE(dialog.State(K::kText)->enabled) << "Update runs after every event";
    EXPECT_EQ(dialog.Click(K::kCheck), EventError::None);
    EXPECT_EQ(record[0], 1);
}

TEST_F(DialogModelTest, RefusedEventsChangeNothing) {
    const std::array<Byte, 10> before = record;
    EXPECT_EQ(dialog.SetText(555, "1"), EventError::UnknownControl);
    EXPECT_EQ(dialog.Choose(K::kList, 3), EventError::NoSuchItem);
    EXPECT_EQ(dialog.Choose(K::kList, -1), EventError::NoSuchItem);
    EXPECT_EQ(dialog.SetText(K::kCheck, "1"), EventError::WrongKind);
    EXPECT_EQ(dialog.Choose(K::kNumber, 0), EventError::WrongKind);
    EXPECT_EQ(dialog.Click(K::kLabel), EventError::WrongKind);
    EXPECT_EQ(dialog.Click(K::kNumber), EventError::WrongKind);
    EXPECT_EQ(record, before);
    EXPECT_EQ(dialog.State(K::kList)->selection, -1);

    dialog.Click(K::kCheck);
    EXPECT_EQ(dialog.SetText(K::kText, "new"), EventError::Disabled);
    EXPECT_EQ(dialog.FocusOut(K::kText), EventError::Disabled);
    EXPECT_EQ(dialog.State(K::kText)->text, "ab");
    EXPECT_EQ(DescribeError(EventError::Disabled, 302), "control 302 is disabled");
}

TEST_F(DialogModelTest, NestedDialogsCloseNewestFirstAndTellTheirOwner) {
    dialog.Click(K::kOpen);
    ASSERT_EQ(stack.Count(), 1u);
    auto& nested = static_cast<SampleDialog&>(*stack.Newest());
    EXPECT_EQ(nested.TemplateName(), "Nested");
    nested.Click(K::kOpen);
    ASSERT_EQ(stack.Count(), 2u);

    static_cast<SampleDialog*>(stack.Newest())->refuseOk = true;
    stack.Ok();
    EXPECT_EQ(stack.Count(), 2u) << "a dialog that refuses its OK stays open";
    stack.Cancel();
    ASSERT_EQ(stack.Count(), 1u);
    EXPECT_EQ(nested.closed, (std::vector<std::pair<std::string, bool>>{{"Nested", false}}));
    stack.Ok();
    EXPECT_EQ(stack.Count(), 0u);
    EXPECT_EQ(dialog.closed, (std::vector<std::pair<std::string, bool>>{{"Nested", true}}));
}

TEST_F(DialogModelTest, CancelRestoresTheBackedUpRecordAndOkKeepsIt) {
    const std::array<Byte, 10> before = record;
    SampleDialog dialog{context, record, "BackedUp", true};
    dialog.Choose(K::kList, 0);
    dialog.SetText(K::kText, "qq");
    dialog.Click(K::kCheck);
    dialog.Cancel();
    EXPECT_EQ(record, before);

    dialog.Choose(K::kList, 0);
    EXPECT_TRUE(dialog.Ok());
    EXPECT_EQ(record[1], 0);
}

TEST_F(DialogModelTest, WritesIntoTheLiveTaskMarkItModified) {
    ASSERT_FALSE(bench.task.modified);
    context.WriteLive([](task::TaskModel& model) { model.terminal[task::terminal::kAddReturn] = 0; });
    EXPECT_EQ(bench.task.model.terminal[task::terminal::kAddReturn], 0);
    EXPECT_TRUE(bench.task.modified);
}

TEST(Field, BitsAndWordsKeepTheirNeighbours) {
    std::array<Byte, 3> bytes{0b1111'0000, 0x00, 0x77};
    const auto at = [&bytes](std::size_t i) -> Locate { return [&bytes, i] { return &bytes[i]; }; };
    const Field high = Field::Bits(at(0), {4, 4});
    EXPECT_EQ(high.Get(), 15);
    high.Set(0b1010);
    EXPECT_EQ(bytes[0], 0b1010'0000);
    high.Set(0x1F);  // wider than the field
    EXPECT_EQ(bytes[0], 0b1111'0000);

    const Field word = Field::Word(at(1));
    word.Set(43994);
    EXPECT_EQ(bytes[1], 0xDA);
    EXPECT_EQ(bytes[2], 0xAB);
    EXPECT_EQ(word.Get(), 43994);
}

}  // namespace
}  // namespace editors
