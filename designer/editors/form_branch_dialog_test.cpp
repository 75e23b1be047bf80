// The function-key branches of a form and the summation and remains
// settings its "More..." buttons open.
#include "designer/editors/form_branch_dialog.h"

#include <gtest/gtest.h>

#include "designer/editors/remains_dialog.h"
#include "designer/editors/summation_dialog.h"
#include "designer/editors/test_support.h"

namespace editors {
namespace {

namespace f = task::form;
using B = FormBranchDialog;
using S = SummationDialog;
using R = RemainsDialog;
using task::Byte;

class FormBranchDialogTest : public ::testing::Test {
protected:
    DialogModel& Open() { return bench.OpenFrom(FormPage::kBranchButton); }
    DialogModel& Active() { return bench.Active(); }
    const ControlState& State(int id) { return bench.State(id); }
    Byte& At(std::size_t offset) { return bench.Working()[offset]; }

    testing::FormBench bench;
};

TEST_F(FormBranchDialogTest, FourKeysAndTheirTargets) {
    DialogModel& dialog = Open();
    EXPECT_EQ(dialog.TemplateName(), "FormBranchDlg");
    EXPECT_EQ(dialog.Title(), "Branch");
    EXPECT_EQ(State(9001).text, "FN + 1");
    EXPECT_EQ(State(9004).text, "FN + 4");
    const std::vector<std::string>& items = State(B::kTargetList + 3).items;
    ASSERT_EQ(items.size(), 14u);
    EXPECT_EQ(items[0], "disable");
    EXPECT_EQ(items[1], "form  1");
    EXPECT_EQ(items[10], "form  10");
    EXPECT_EQ(items[11], "Remains");
    EXPECT_EQ(items[12], "Summation");
    EXPECT_EQ(items[13], "Delete last from DataFile");
    EXPECT_EQ(State(B::kMoreButton).text, "More...");
    for (int k = 0; k < 4; ++k) EXPECT_FALSE(State(B::kMoreButton + k).enabled) << k;

    dialog.Choose(B::kTargetList + 1, 11);
    dialog.Choose(B::kTargetList + 2, 12);
    dialog.Choose(B::kTargetList + 3, 13);
    EXPECT_TRUE(State(B::kMoreButton + 1).enabled);
    EXPECT_TRUE(State(B::kMoreButton + 2).enabled);
    EXPECT_FALSE(State(B::kMoreButton + 3).enabled);
    EXPECT_EQ(At(f::kFnTarget + 3), 13);
    dialog.Click(B::kMoreButton + 1);
    EXPECT_EQ(Active().TemplateName(), "FormRemains");
    bench.sheet->Cancel();
    dialog.Click(B::kMoreButton + 2);
    EXPECT_EQ(Active().TemplateName(), "FormSummation");
    EXPECT_EQ(Active().Title(), "Properties summation");
}

TEST_F(FormBranchDialogTest, AnUnknownTargetShowsDisableAndKeepsItsByte) {
    bench.Live()[f::kFnTarget] = 14;
    bench.Live()[f::kFnTarget + 1] = 200;
    DialogModel& dialog = Open();
    EXPECT_EQ(State(B::kTargetList).selection, 0);
    EXPECT_EQ(State(B::kTargetList + 1).selection, 0);
    EXPECT_FALSE(State(B::kMoreButton).enabled);
    dialog.Choose(B::kTargetList + 1, 0);
    bench.sheet->Ok();
    EXPECT_EQ(At(f::kFnTarget), 14) << "untouched";
    EXPECT_EQ(At(f::kFnTarget + 1), 0) << "chosen";
}

TEST_F(FormBranchDialogTest, SummationPacksItsFieldsIntoOneByte) {
    Open().Choose(B::kTargetList + 1, 12);
    Active().Click(B::kMoreButton + 1);
    EXPECT_EQ(State(S::kSource).items,
              (std::vector<std::string>{"1st lookup file", "2nd lookup file", "3rd lookup file", "Data File"}));
    EXPECT_EQ(State(S::kSumField).items[7], "field 8");
    EXPECT_FALSE(State(S::kMultiplyField).enabled);
    Active().Choose(S::kSource, 3);
    Active().Choose(S::kSumField, 2);
    Active().Click(S::kMultiplyCheck);
    EXPECT_TRUE(State(S::kMultiplyField).enabled);
    EXPECT_EQ(State(S::kMultiplyField).selection, 0) << "a checked box names a field";
    Active().Choose(S::kMultiplyField, 4);
    EXPECT_EQ(At(f::kFnSummation + 1), 0) << "nothing before OK";
    bench.sheet->Ok();
    EXPECT_EQ(At(f::kFnSummation + 1), 0x52);
    EXPECT_EQ(At(f::kFnSummationSource + 1), 3);

    Active().Click(B::kMoreButton + 1);
    EXPECT_EQ(State(S::kSumField).selection, 2);
    EXPECT_TRUE(State(S::kMultiplyCheck).checked);
    EXPECT_EQ(State(S::kMultiplyField).selection, 4);
    Active().Click(S::kMultiplyCheck);
    bench.sheet->Ok();
    EXPECT_EQ(At(f::kFnSummation + 1), 0x02);
    Active().Click(B::kMoreButton + 1);
    Active().Click(S::kMultiplyCheck);
    bench.sheet->Ok();
    EXPECT_EQ(At(f::kFnSummation + 1), 0x12) << "checked without a choice: the first field";

    Active().Click(B::kMoreButton + 1);
    Active().Choose(S::kSumField, 7);
    bench.sheet->Cancel();
    EXPECT_EQ(At(f::kFnSummation + 1), 0x12);
}

TEST_F(FormBranchDialogTest, RemainsPackTheirFieldsIntoTwoBytes) {
    Open().Choose(B::kTargetList + 2, 11);
    Active().Click(B::kMoreButton + 2);
    EXPECT_EQ(Active().Title(), "Properties filter remains");
    EXPECT_EQ(State(R::kFilterVariable).items, (std::vector<std::string>{"variable1", "variable2", "variable3"}));
    for (const int id : {R::kFilterVariable, R::kField, R::kSuffixCheck}) EXPECT_FALSE(State(id).enabled) << id;
    Active().Click(R::kEnable);
    for (const int id : {R::kFilterVariable, R::kField, R::kSuffixCheck}) EXPECT_TRUE(State(id).enabled) << id;
    Active().Choose(R::kField, 1);
    Active().Choose(R::kFilterVariable, 2);
    Active().Click(R::kSuffixCheck);
    bench.sheet->Ok();
    EXPECT_EQ(At(f::kFnRemains + 2), 0x11);
    EXPECT_EQ(At(f::kFnRemainsFilter + 2), 0x21);

    // Bits the dialog does not show are cleared by its OK; a byte of 15 or less is not enabled.
    At(f::kFnRemains + 2) = 0xE5;
    At(f::kFnRemainsFilter + 2) = 0x1E;
    Active().Click(B::kMoreButton + 2);
    EXPECT_TRUE(State(R::kEnable).checked);
    EXPECT_EQ(State(R::kField).selection, 5);
    EXPECT_EQ(State(R::kFilterVariable).selection, 1);
    EXPECT_FALSE(State(R::kSuffixCheck).checked);
    bench.sheet->Ok();
    EXPECT_EQ(At(f::kFnRemains + 2), 0x15);
    EXPECT_EQ(At(f::kFnRemainsFilter + 2), 0x10);
    At(f::kFnRemains + 2) = 0x0F;
    Active().Click(B::kMoreButton + 2);
    EXPECT_FALSE(State(R::kEnable).checked);
    EXPECT_FALSE(State(R::kField).enabled);
}

TEST_F(FormBranchDialogTest, CancelOfTheBranchesUndoesWhatTheirDialogsStored) {
    const task::FormRecord live = bench.Live();
    Open().Choose(B::kTargetList, 12);
    Active().Click(B::kMoreButton);
    Active().Choose(S::kSumField, 4);
    bench.sheet->Ok();
    EXPECT_EQ(At(f::kFnSummation), 4);
    bench.sheet->Cancel();
    EXPECT_EQ(bench.Working(), live);
}

}  // namespace
}  // namespace editors
