// The Lookup page's rules, driven by control id as a user would.
#include "designer/editors/lookup_page.h"

#include <gtest/gtest.h>

#include "designer/editors/script_runner.h"
#include "designer/editors/test_support.h"
#include "designer/task/lookup_view.h"
#include "designer/task/startup_view.h"

namespace editors {
namespace {

using namespace task::lookup;
using L = LookupPage;
using task::Byte;

class LookupPageTest : public ::testing::Test {
protected:
    void Open() {
        sheet = bench.Open();
        sheet->ShowPage(sheet->FindPage("LOOKUPDLG"));
    }
    DialogModel& Page() { return sheet->Active(); }
    const ControlState& State(int id) { return *Page().State(id); }
    std::string Shown(int id) { return ShownText(*Page().ControlSpecOf(id), State(id)); }
    task::LookupRecord& Live(int lookup) { return bench.task.model.lookups[static_cast<std::size_t>(lookup)]; }
    std::string CalculatorEntry() { return task::ConstStartupView(bench.task.model.startup).ExtraText(0); }
    void Define(int lookup, Byte length, Byte fields) {
        Live(lookup)[kRecordLength] = length;
        Live(lookup)[kFieldCount] = fields;
    }

    testing::SheetBench bench;
    std::unique_ptr<PropertySheet> sheet;
};

TEST_F(LookupPageTest, ListsAndTheRedWarningOfFixedLengthRecords) {
    Open();
    EXPECT_EQ(State(L::kNameList).items,
              (std::vector<std::string>{"1st lookup file", "2nd lookup file", "3rd lookup file"}));
    const std::vector<std::string>& counts = State(L::kFieldCountList).items;
    ASSERT_EQ(counts.size(), 9u);
    EXPECT_EQ(counts[0], " 0");
    EXPECT_EQ(counts[8], " 8");
    EXPECT_EQ(State(L::kNoMatchList).items.size(), 6u);
    EXPECT_EQ(State(L::kNoMatchList).items[5], "Show warning & clear screen");
    EXPECT_EQ(State(L::kBadRecordList).items[1], "Truncate / reformat the record");
    EXPECT_EQ(State(L::kDelimitersOnlyWarning).text,
              "For the exchange through CipherLab.dll only delimiters are to be used!!!");
    // A new task's lookup files are delimited by the tab: the warning is grey.
    EXPECT_TRUE(State(L::kDelimiterRadio).checked);
    EXPECT_EQ(State(L::kDelimiterBox).text, "9");
    EXPECT_FALSE(State(L::kDelimitersOnlyWarning).enabled);
    EXPECT_EQ(State(L::kLengthHeading).text, "Max Length");
    Page().Click(L::kFixedLengthRadio);
    EXPECT_TRUE(State(L::kDelimitersOnlyWarning).enabled);
    EXPECT_EQ(State(L::kDelimitersOnlyWarning).color, (Rgb{200, 20, 30}));
    EXPECT_EQ(State(L::kLengthHeading).text, "   Length");
}

TEST_F(LookupPageTest, TheFieldsInUseAndTheModeOpenTheirBoxes) {
    Live(1)[kDelimiter] = 0;
    Live(1)[kFieldCount] = 2;
    Open();
    Page().Choose(L::kNameList, 1);
    EXPECT_EQ(Shown(L::kFieldCountList), " 2");
    for (int j = 0; j < 8; ++j) {
        EXPECT_EQ(State(L::kOffsetBox + j).enabled, j < 2) << j;
        EXPECT_EQ(State(L::kLengthBox + j).enabled, j < 2) << j;
        EXPECT_EQ(State(L::kKeyRadio + j).enabled, j < 2) << j;
    }
    EXPECT_TRUE(State(L::kMemberLengthBox).enabled);
    EXPECT_FALSE(State(L::kDelimiterBox).enabled);

    Page().Click(L::kDelimiterRadio);
    EXPECT_FALSE(State(L::kMemberLengthBox).enabled) << "derived from the fields";
    EXPECT_TRUE(State(L::kDelimiterBox).enabled);
    EXPECT_FALSE(State(L::kOffsetBox).enabled);
    EXPECT_TRUE(State(L::kLengthBox + 1).enabled);
    Page().Choose(L::kFieldCountList, 8);
    EXPECT_TRUE(State(L::kLengthBox + 7).enabled);
    EXPECT_TRUE(State(L::kKeyRadio + 7).enabled);
    EXPECT_EQ(Page().Click(L::kKeyRadio + 7), EventError::None);
    EXPECT_FALSE(State(L::kKeyRadio + 0).checked);
    sheet->Ok();
    EXPECT_EQ(Live(1)[kKeyField], 7);
    EXPECT_EQ(Live(1)[kFieldCount], 8);
}

TEST_F(LookupPageTest, SwitchingModesShowsZeroOrTheTabAndKeepsAChosenDelimiter) {
    Live(0)[kDelimiter] = 44;
    Open();
    EXPECT_EQ(State(L::kDelimiterBox).text, "44");
    Page().Click(L::kDelimiterRadio);
    EXPECT_EQ(State(L::kDelimiterBox).text, "44") << "already delimited: the comma stays";
    Page().Click(L::kFixedLengthRadio);
    EXPECT_EQ(State(L::kDelimiterBox).text, "0");
    EXPECT_TRUE(State(L::kFixedLengthRadio).checked);
    EXPECT_FALSE(State(L::kDelimiterRadio).checked);
    Page().Click(L::kDelimiterRadio);
    EXPECT_EQ(State(L::kDelimiterBox).text, "9");
    sheet->Ok();
    EXPECT_EQ(Live(0)[kDelimiter], 9);
}

TEST_F(LookupPageTest, TheDelimiterBoxKeepsTheStoredDelimiterForAnythingInvalid) {
    Live(0)[kDelimiter] = 59;
    Open();
    struct Typed {
        const char* text;
        const char* shown;
    };
    const Typed kept[] = {{"0", "59"}, {"", "59"}, {"tab", "59"}, {"13", "59"}};
    for (const Typed& typed : kept) {
        ASSERT_EQ(Page().SetText(L::kDelimiterBox, typed.text), EventError::None);
        EXPECT_EQ(State(L::kDelimiterBox).text, typed.shown) << typed.text;
        EXPECT_TRUE(State(L::kDelimiterRadio).checked) << typed.text << ": still delimited";
    }
    ASSERT_EQ(bench.ui.events.size(), 1u) << "13 alone is told";
    EXPECT_EQ(bench.ui.events[0].caption, "Warning");
    EXPECT_EQ(bench.ui.events[0].text, "Invalid value!");
    EXPECT_EQ(bench.ui.events[0].icon, common::MessageIcon::Warning);
    Page().SetText(L::kDelimiterBox, "1000");
    EXPECT_EQ(State(L::kDelimiterBox).text, "255");
    Page().SetText(L::kDelimiterBox, "124");
    sheet->Ok();
    EXPECT_EQ(Live(0)[kDelimiter], 124);
}

TEST_F(LookupPageTest, TheMemberLengthAlwaysHoldsANumber) {
    Live(0)[kDelimiter] = 0;
    Live(0)[kFieldCount] = 1;
    Open();
    Page().SetText(L::kMemberLengthBox, "");
    EXPECT_EQ(State(L::kMemberLengthBox).text, "0");
    Page().SetText(L::kMemberLengthBox, "012");
    EXPECT_EQ(State(L::kMemberLengthBox).text, "12");
    ASSERT_EQ(Page().SetText(L::kOffsetBox, "300"), EventError::None);
    EXPECT_EQ(State(L::kOffsetBox).text, "255");
    Page().SetText(L::kLengthBox, "x");
    EXPECT_EQ(State(L::kLengthBox).text, "0");
    sheet->Ok();
    EXPECT_EQ(Live(0)[kRecordLength], 12);
    EXPECT_EQ(Live(0)[kFieldOffsets], 255);
}

TEST_F(LookupPageTest, ReadingOnceLeavesOnlyTheInsertingActions) {
    Live(0)[kNoMatchAction] = 5;
    Open();
    EXPECT_EQ(State(L::kNoMatchList).selection, 5);
    Page().Click(L::kReadOnceCheck);
    EXPECT_EQ(State(L::kNoMatchList).items,
              (std::vector<std::string>{"Insert to lookup file", "Show warning message & Insert"}));
    EXPECT_EQ(State(L::kNoMatchList).selection, 0);
    Page().Choose(L::kNoMatchList, 1);
    sheet->Ok();
    EXPECT_EQ(Live(0)[kNoMatchAction], 3);
    EXPECT_EQ(Live(0)[kReadOnce], 1);

    Open();
    EXPECT_EQ(State(L::kNoMatchList).items.size(), 2u);
    EXPECT_EQ(State(L::kNoMatchList).selection, 1);
    Page().Click(L::kReadOnceCheck);
    EXPECT_EQ(State(L::kNoMatchList).items.size(), 6u);
    EXPECT_EQ(State(L::kNoMatchList).selection, 3) << "the action stays when the option goes";
}

TEST_F(LookupPageTest, AStoredActionTheReadOnceListLacksSelectsNothingAndStays) {
    Live(2)[kReadOnce] = 1;
    Live(2)[kNoMatchAction] = 4;
    Open();
    Page().Choose(L::kNameList, 2);
    EXPECT_EQ(State(L::kNoMatchList).selection, -1);
    sheet->Ok();
    EXPECT_EQ(Live(2)[kNoMatchAction], 4);
}

TEST_F(LookupPageTest, DelimitedRecordsGetTheirLengthAndOffsetsOnCommit) {
    struct Case {
        std::vector<Byte> lengths;
        Byte recordLength;
        std::vector<Byte> offsets;
    };
    const Case cases[] = {
        {{5, 10, 3}, 20, {1, 7, 18}},
        {{200, 100}, 255, {1, 202}},      // 301: the length stops at 255
        {{255, 255, 4}, 255, {1, 255, 255}},  // and so do the offsets
        {{0}, 0, {1}},
    };
    for (const Case& c : cases) {
        task::LookupRecord& live = Live(0);
        live = task::testing::FreshTask().lookups[0];
        live[kFieldCount] = static_cast<Byte>(c.lengths.size());
        for (std::size_t j = 0; j < 8; ++j) live[kFieldOffsets + j] = 77;
        for (std::size_t j = 0; j < c.lengths.size(); ++j) live[kFieldLengths + j] = c.lengths[j];
        Open();
        sheet->Ok();
        EXPECT_EQ(live[kRecordLength], c.recordLength) << c.lengths.size();
        for (std::size_t j = 0; j < 8; ++j) {
            const Byte expected = j < c.offsets.size() ? c.offsets[j] : 77;
            EXPECT_EQ(live[kFieldOffsets + j], expected) << c.lengths.size() << " fields, offset " << j;
        }
    }
}

TEST_F(LookupPageTest, WithoutFieldsADelimitedRecordHasNoLengthAndKeepsItsOffsets) {
    Live(0)[kRecordLength] = 40;
    Live(0)[kFieldOffsets + 1] = 30;
    Open();
    sheet->Ok();
    EXPECT_EQ(Live(0)[kRecordLength], 0) << "not 255";
    EXPECT_EQ(Live(0)[kFieldOffsets + 1], 30);
}

TEST_F(LookupPageTest, FixedLengthRecordsAreCommittedAsTyped) {
    Live(0)[kDelimiter] = 0;
    Live(0)[kFieldCount] = 2;
    for (std::size_t offset = 26; offset < task::kLookupRecordSize; ++offset) Live(0)[offset] = 0xA5;
    Open();
    Page().SetText(L::kMemberLengthBox, "30");
    Page().SetText(L::kOffsetBox + 1, "12");
    Page().SetText(L::kLengthBox + 1, "19");
    Page().Click(L::kUploadableCheck);
    Page().Choose(L::kBadRecordList, 2);
    Page().Click(L::kNegativeRemainsCheck);
    Page().Click(L::kDeleteIfNullCheck);
    sheet->Ok();
    const task::ConstLookupView lookup(Live(0));
    EXPECT_EQ(lookup.RecordLength(), 30);
    EXPECT_EQ(lookup.FieldOffset(0), 1);
    EXPECT_EQ(lookup.FieldOffset(1), 12);
    EXPECT_EQ(lookup.FieldLength(1), 19);
    EXPECT_EQ(lookup.Uploadable(), 0);
    EXPECT_EQ(lookup.BadRecordAction(), 2);
    EXPECT_EQ(lookup.NegativeRemains(), 1);
    EXPECT_EQ(lookup.DeleteIfNull(), 1);
    for (std::size_t offset = 26; offset < task::kLookupRecordSize; ++offset) ASSERT_EQ(Live(0)[offset], 0xA5);
}

TEST_F(LookupPageTest, AKeyFieldBeyondTheFieldsBecomesTheFirstOnCommit) {
    Live(0)[kFieldCount] = 6;
    Live(0)[kKeyField] = 4;
    Live(1)[kFieldCount] = 6;
    Live(1)[kKeyField] = 1;
    Open();
    Page().Choose(L::kFieldCountList, 3);
    EXPECT_TRUE(State(L::kKeyRadio + 4).checked);
    EXPECT_FALSE(State(L::kKeyRadio + 4).enabled);
    Page().Choose(L::kNameList, 1);
    Page().Choose(L::kFieldCountList, 2);
    sheet->Ok();
    EXPECT_EQ(Live(0)[kKeyField], 0);
    EXPECT_EQ(Live(1)[kKeyField], 1);
}

TEST_F(LookupPageTest, ResetTouchesAllThreeInTheWorkingCopyAndLeavesDeleteIfNull) {
    for (int l = 0; l < 3; ++l) {
        for (std::size_t offset = 0; offset < 26; ++offset) Live(l)[offset] = 5;
    }
    const task::TaskModel before = bench.task.model;
    Open();
    Page().Choose(L::kNameList, 2);
    Page().Click(L::kResetButton);
    EXPECT_EQ(State(L::kNameList).selection, 0);
    EXPECT_TRUE(State(L::kFixedLengthRadio).checked);
    EXPECT_EQ(State(L::kOffsetBox + 7).text, "1");
    sheet->Cancel();
    EXPECT_EQ(bench.task.model, before);

    Open();
    Page().Click(L::kResetButton);
    sheet->Ok();
    task::LookupRecord expected{};
    for (std::size_t j = 0; j < 8; ++j) expected[kFieldOffsets + j] = 1;
    expected[kUploadable] = 1;
    expected[kDeleteIfNull] = 5;
    for (int l = 0; l < 3; ++l) EXPECT_EQ(Live(l), expected) << l;
}

TEST_F(LookupPageTest, TheFirstLookupFileNumbersTheTasksCalculatorEntry) {
    const std::string defaultEntry = bench.defaults.Text(1741);
    ASSERT_EQ(CalculatorEntry(), "8. Calculator       ");
    Open();
    Page().Choose(L::kFieldCountList, 1);
    ASSERT_EQ(Page().SetText(L::kLengthBox, "12"), EventError::None);
    sheet->Ok();
    EXPECT_EQ(Live(0)[kRecordLength], 12);
    EXPECT_EQ(CalculatorEntry(), "9. Calculator       ") << "the Startup page was never shown";
    EXPECT_EQ(bench.defaults.Text(1741), defaultEntry) << "a new task still starts with 8";

    // Only the first file counts, as it does for the system menu.
    Open();
    Page().Choose(L::kFieldCountList, 0);
    Page().Choose(L::kNameList, 1);
    Page().Choose(L::kFieldCountList, 2);
    ASSERT_EQ(Page().SetText(L::kLengthBox, "5"), EventError::None);
    sheet->Ok();
    EXPECT_EQ(CalculatorEntry(), "8. Calculator       ");
}

TEST_F(LookupPageTest, ACalculatorEntryTheUserNumberedOtherwiseIsLeftAlone) {
    task::StartupView(bench.task.model.startup).SetExtraText(0, "0. Rechner");
    Define(0, 12, 1);
    Open();
    sheet->Ok();
    EXPECT_EQ(CalculatorEntry(), "0. Rechner");
}

}  // namespace
}  // namespace editors
