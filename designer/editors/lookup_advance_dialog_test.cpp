// The lookup field dialog of a lookup line.
#include "designer/editors/lookup_advance_dialog.h"

#include <gtest/gtest.h>

#include "designer/editors/grid_dialog.h"
#include "designer/editors/test_support.h"

namespace editors {
namespace {

namespace f = task::form;
using L = LookupAdvanceDialog;
using task::Byte;

class LookupAdvanceDialogTest : public ::testing::Test {
protected:
    DialogModel& Open() {
        bench.Live()[f::kFieldType + 2] = f::kLookup;
        return bench.OpenFrom(FormPage::kMoreButton + 2);
    }
    const ControlState& State(int id) { return bench.State(id); }
    Byte At(std::size_t base) { return bench.Working()[base + 2]; }

    testing::FormBench bench;
};

TEST_F(LookupAdvanceDialogTest, NothingIsOpenUntilTheFieldsDataIsSaved) {
    DialogModel& dialog = Open();
    EXPECT_EQ(dialog.TemplateName(), "LookupAdvanceDlg");
    EXPECT_EQ(dialog.Title(), "Properties");
    EXPECT_EQ(State(L::kSaveDataCheck).text, "Save field data");
    for (const int id : {L::kFixedLengthCheck, L::kFixedLength, L::kAlignment, L::kPrefixCheck, L::kPrefix,
                         L::kSuffixCheck, L::kSuffix}) {
        EXPECT_FALSE(State(id).enabled) << id;
    }
    dialog.Click(L::kSaveDataCheck);
    EXPECT_EQ(At(f::kHasInitialValue), 1);
    for (const int id : {L::kFixedLengthCheck, L::kPrefixCheck, L::kSuffixCheck}) EXPECT_TRUE(State(id).enabled) << id;
    for (const int id : {L::kFixedLength, L::kAlignment, L::kPrefix, L::kSuffix}) EXPECT_FALSE(State(id).enabled) << id;
    dialog.Click(L::kFixedLengthCheck);
    dialog.Click(L::kSuffixCheck);
    EXPECT_TRUE(State(L::kFixedLength).enabled);
    EXPECT_TRUE(State(L::kAlignment).enabled);
    EXPECT_TRUE(State(L::kSuffix).enabled);
    EXPECT_FALSE(State(L::kPrefix).enabled);
    dialog.Click(L::kSaveDataCheck);
    EXPECT_FALSE(State(L::kFixedLength).enabled) << "closed again, though still checked";
    EXPECT_TRUE(State(L::kFixedLengthCheck).checked);
}

TEST_F(LookupAdvanceDialogTest, OkClearsTheMarkAndStoresTheCodes) {
    bench.Live()[f::kHasInitialValue + 2] = 1;
    bench.Live()[f::kHasSuffix + 2] = 1;
    bench.Live()[f::kSuffix + 20] = 0x09;
    bench.Live()[f::kInputMark + 2] = '*';
    DialogModel& dialog = Open();
    EXPECT_TRUE(State(L::kSuffixCheck).checked);
    EXPECT_EQ(State(L::kSuffix).text, " HT");
    dialog.Click(L::kSuffix);
    bench.Active().Choose(GridDialog::kGrid, 0x1C);
    bench.sheet->Ok();
    EXPECT_EQ(State(L::kSuffix).text, " HT Exec");
    EXPECT_EQ(At(f::kInputMark), '*') << "until OK";
    bench.sheet->Ok();
    EXPECT_EQ(At(f::kInputMark), 0);
    EXPECT_EQ(bench.Working()[f::kSuffix + 20], 0x09);
    EXPECT_EQ(bench.Working()[f::kSuffix + 21], 0x1C);

    Open();
    bench.Active().Click(L::kSaveDataCheck);
    bench.Active().Click(L::kFixedLengthCheck);
    bench.Active().SetText(L::kFixedLength, "7");
    bench.sheet->Cancel();
    EXPECT_EQ(At(f::kHasInitialValue), 1);
    EXPECT_EQ(At(f::kFixedLength), 0);
    EXPECT_EQ(At(f::kFixedLengthValue), 0);
}

}  // namespace
}  // namespace editors
