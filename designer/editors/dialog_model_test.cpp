// The mechanism under every page and dialog, on a small dialog of its own.
#include "designer/editors/dialog_model.h"

#include <array>

#include <gtest/gtest.h>

#include "designer/editors/dialog_stack.h"
#include "designer/editors/test_support.h"

namespace editors {
namespace {

using K = ControlKind;
using task::Byte;

constexpr int kCheck = 101, kRadioA = 151, kRadioB = 152, kNumber = 301, kText = 302, kList = 401;
constexpr int kOpen = 201, kLabel = 9001;

// A record of ten bytes: a check box at 0, a list at 1, two radio buttons in
// bits 2-3 of byte 2, a number box at 3 and a text of 5 characters at 4..9.
// The text box is enabled only while the check box is checked; the button
// opens another such dialog on the same record.
class SampleDialog final : public DialogModel {
public:
    SampleDialog(EditorContext& context, std::array<Byte, 10>& record, std::string name)
        : DialogModel(context, std::move(name), "Sample",
                      {{kCheck, K::Check}, {kRadioA, K::Radio}, {kRadioB, K::Radio}, {kNumber, K::Edit},
                       {kText, K::Edit}, {kList, K::Combo}, {kOpen, K::Button}, {kLabel, K::Label, 1211}}),
          record_(record) {
        SetItems(kList, {"zero", "one", "two"});
        const auto at = [this](std::size_t offset) -> Locate { return [this, offset] { return &record_[offset]; }; };
        Bind(kCheck, CheckBinding(Field::Whole(at(0))));
        Bind(kList, ListBinding(Field::Whole(at(1))));
        Bind(kRadioA, RadioBinding(Field::Bits(at(2), 2, 2), 1));
        Bind(kRadioB, RadioBinding(Field::Bits(at(2), 2, 2), 2));
        Bind(kNumber, NumberBinding(Field::Whole(at(3)), 1, 80));
        Bind(kText, TextBinding(TextSlot(at(4), 6), [] { return std::size_t{5}; }));
        LoadControls();
    }

    void BackUpRecord() { BackUp(record_); }
    bool refuseOk = false;
    std::vector<std::pair<std::string, bool>> closed;

protected:
    void OnClicked(int id) override {
        if (id == kOpen) OpenDialog(std::make_unique<SampleDialog>(Context(), record_, "Nested"));
    }
    void Update() override { Enable(kText, record_[0] != 0); }
    bool Accept() override { return !refuseOk; }
    void DialogClosed(DialogModel& dialog, bool accepted) override { closed.emplace_back(dialog.TemplateName(), accepted); }

private:
    std::array<Byte, 10>& record_;
};

class DialogModelTest : public ::testing::Test {
protected:
    testing::SheetBench bench;
    DialogStack stack;
    EditorContext context{bench.task, bench.strings, bench.ui, bench.defaults, stack};
    std::array<Byte, 10> record{1, 7, 0b1010'0001, 20, 'a', 'b', 0, 'x', 'y', 0};
    SampleDialog dialog{context, record, "SampleDlg"};
};

TEST_F(DialogModelTest, ControlsShowTheStoredValues) {
    EXPECT_TRUE(dialog.State(kCheck)->checked);
    EXPECT_EQ(dialog.State(kList)->selection, -1) << "7 has no item";
    EXPECT_FALSE(dialog.State(kRadioA)->checked);
    EXPECT_FALSE(dialog.State(kRadioB)->checked) << "bits 2-3 hold 0";
    EXPECT_EQ(dialog.State(kNumber)->text, "20");
    EXPECT_EQ(dialog.State(kText)->text, "ab");
    EXPECT_EQ(dialog.State(kLabel)->text, "nil");
    EXPECT_EQ(dialog.State(999), nullptr);
}

TEST_F(DialogModelTest, EventsStoreThroughTheBindingsAndTheRulesWriteBack) {
    EXPECT_EQ(dialog.Choose(kList, 2), EventError::None);
    EXPECT_EQ(record[1], 2);
    EXPECT_EQ(dialog.Click(kRadioB), EventError::None);
    EXPECT_EQ(record[2], 0b1010'1001) << "only bits 2-3 change";
    EXPECT_TRUE(dialog.State(kRadioB)->checked);
    EXPECT_EQ(dialog.Click(kRadioA), EventError::None);
    EXPECT_EQ(record[2], 0b1010'0101);
    EXPECT_FALSE(dialog.State(kRadioB)->checked) << "the other button of the field follows";

    EXPECT_EQ(dialog.SetText(kNumber, "99999999999"), EventError::None);
    EXPECT_EQ(record[3], 80);
    EXPECT_EQ(dialog.State(kNumber)->text, "80");
    EXPECT_EQ(dialog.SetText(kText, "abcdefgh"), EventError::None);
    EXPECT_EQ(dialog.State(kText)->text, "abcde");
    EXPECT_EQ((std::array<Byte, 6>{record[4], record[5], record[6], record[7], record[8], record[9]}),
              (std::array<Byte, 6>{'a', 'b', 'c', 'd', 'e', 0}));
    EXPECT_EQ(dialog.SetText(kText, "z"), EventError::None);
    EXPECT_EQ((std::array<Byte, 3>{record[4], record[5], record[6]}), (std::array<Byte, 3>{'z', 0, 0}))
        << "the slot's tail is cleared";

    EXPECT_EQ(dialog.Click(kCheck), EventError::None);
    EXPECT_EQ(record[0], 0);
    EXPECT_FALSE(dialog.State(kText)->enabled) << "Update runs after every event";
    EXPECT_EQ(dialog.Click(kCheck), EventError::None);
    EXPECT_EQ(record[0], 1);
}

TEST_F(DialogModelTest, RefusedEventsChangeNothing) {
    const std::array<Byte, 10> before = record;
    EXPECT_EQ(dialog.SetText(555, "1"), EventError::UnknownControl);
    EXPECT_EQ(dialog.Choose(kList, 3), EventError::NoSuchItem);
    EXPECT_EQ(dialog.Choose(kList, -1), EventError::NoSuchItem);
    EXPECT_EQ(dialog.SetText(kCheck, "1"), EventError::WrongKind);
    EXPECT_EQ(dialog.Choose(kNumber, 0), EventError::WrongKind);
    EXPECT_EQ(dialog.Click(kLabel), EventError::WrongKind);
    EXPECT_EQ(dialog.Click(kNumber), EventError::WrongKind);
    EXPECT_EQ(record, before);
    EXPECT_EQ(dialog.State(kList)->selection, -1);

    dialog.Click(kCheck);
    EXPECT_EQ(dialog.SetText(kText, "new"), EventError::Disabled);
    EXPECT_EQ(dialog.FocusOut(kText), EventError::Disabled);
    EXPECT_EQ(dialog.State(kText)->text, "ab");
    EXPECT_EQ(DescribeError(EventError::Disabled, 302), "control 302 is disabled");
}

TEST_F(DialogModelTest, NestedDialogsCloseNewestFirstAndTellTheirOwner) {
    dialog.Click(kOpen);
    ASSERT_EQ(stack.Count(), 1u);
    auto& nested = static_cast<SampleDialog&>(*stack.Newest());
    EXPECT_EQ(nested.TemplateName(), "Nested");
    nested.Click(kOpen);
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
    dialog.BackUpRecord();
    dialog.Choose(kList, 0);
    dialog.SetText(kText, "qq");
    dialog.Click(kCheck);
    dialog.Cancel();
    EXPECT_EQ(record, before);

    dialog.Choose(kList, 0);
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
    const Field high = Field::Bits(at(0), 4, 4);
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
