// The line properties dialog, opened from a line's "more..." on the Form
// page and driven by control id as a user would.
#include "designer/editors/advance_dialog.h"

#include <gtest/gtest.h>

#include "common/cp1251.h"
#include "designer/editors/grid_dialog.h"
#include "designer/editors/test_support.h"
#include "designer/task/form_view.h"

namespace editors {
namespace {

namespace f = task::form;
using A = AdvanceDialog;
using task::Byte;

class AdvanceDialogTest : public ::testing::Test {
protected:
    // Opens the dialog of `line` of form 1, whose type the user makes `type`
    // first. The sheet opens on the task the first time.
    DialogModel& Open(Byte type, int line = 1) {
        if (!bench.sheet) bench.OpenSheet();
        bench.Active().Choose(FormPage::kTypeList + line, type);
        return bench.OpenFrom(FormPage::kMoreButton + line);
    }
    DialogModel& Dialog() { return bench.Active(); }
    const ControlState& State(int id) { return bench.State(id); }
    Byte At(std::size_t base, int line = 1) { return bench.Working()[base + static_cast<std::size_t>(line)]; }
    std::vector<Byte> Bytes(std::size_t offset, std::size_t count) {
        const auto begin = bench.Working().begin() + static_cast<long>(offset);
        return {begin, begin + static_cast<long>(count)};
    }
    std::vector<std::string> Messages() {
        std::vector<std::string> shown;
        for (const auto& event : bench.ui.events) {
            shown.push_back(common::Cp1251ToUtf8(event.caption + "|" + event.text));
        }
        return shown;
    }

    testing::FormBench bench;
};

TEST_F(AdvanceDialogTest, OpensForTheLineWithItsLists) {
    DialogModel& dialog = Open(f::kReal, 3);
    EXPECT_EQ(dialog.TemplateName(), "AdvanceDlg");
    EXPECT_EQ(dialog.Title(), "Properties");
    EXPECT_EQ(State(A::kFormNumber).text, "1");
    EXPECT_EQ(State(A::kLineNumber).text, "4");
    EXPECT_EQ(State(A::kAlignment).items,
              (std::vector<std::string>{"Left aligned (padded with space)", "Right aligned (filled with space)",
                                        "Left aligned (padded with 0)", "Right aligned (filled with 0)"}));
    EXPECT_EQ(State(A::kDecimals).items, (std::vector<std::string>{"variable", "1", "2", "3", "4", "5", "6"}));
    ASSERT_EQ(State(A::kCheckDigitMethod).items.size(), 8u);
    EXPECT_EQ(State(A::kCheckDigitMethod).items[7], "MOD 11  Repeat Arithmetic (next low)");
    EXPECT_EQ(State(A::kAutoEnter).items, (std::vector<std::string>{"No", "Scan+ENTER", "ENTER+Scan", "Auto(keyb.)"}));
    EXPECT_EQ(State(A::kAutoEnter).selection, 1) << "a new line enters after a scan";
    EXPECT_EQ(State(A::kPartialCheck).text, "Read partial barcode");
    EXPECT_TRUE(State(A::kDecimals).enabled) << "a real line has decimal places";

    bench.sheet->Cancel();
    EXPECT_EQ(Open(f::kLookup, 2).TemplateName(), "LookupAdvanceDlg");
}

TEST_F(AdvanceDialogTest, EachTypeOpensItsControls) {
    Open(f::kFixedData);
    EXPECT_FALSE(State(A::kInitialValueCheck).enabled) << "fixed data has no initial value";
    EXPECT_FALSE(State(A::kInitialValue).enabled);
    EXPECT_FALSE(State(A::kMarkCheck).enabled);
    EXPECT_FALSE(State(A::kMark).enabled);
    EXPECT_FALSE(State(A::kDecimals).enabled);
    EXPECT_TRUE(State(A::kFixedLengthCheck).enabled);
    bench.sheet->Cancel();

    Open(f::kText);
    EXPECT_TRUE(State(A::kInitialValueCheck).enabled);
    EXPECT_FALSE(State(A::kInitialValue).enabled) << "until its box is checked";
    EXPECT_FALSE(State(A::kDecimals).enabled);
    Dialog().Click(A::kInitialValueCheck);
    EXPECT_EQ(At(f::kHasInitialValue), 1);
    EXPECT_TRUE(State(A::kInitialValue).enabled);
    for (const auto& [check, box] : {std::pair{A::kFixedLengthCheck, A::kFixedLength}, {A::kPrefixCheck, A::kPrefix},
                                     {A::kSuffixCheck, A::kSuffix}, {A::kMarkCheck, A::kMark},
                                     {A::kLeadingCodeCheck, A::kLeadingCode}}) {
        EXPECT_FALSE(State(box).enabled) << box;
        Dialog().Click(check);
        EXPECT_TRUE(State(box).enabled) << box;
    }
    EXPECT_TRUE(State(A::kAlignment).enabled);
}

TEST_F(AdvanceDialogTest, TheInitialValueKeepsWhatTheLinesTypeTakes) {
    const struct {
        Byte type;
        const char* typed;
        const char* kept;
    } cases[] = {
        {f::kText, "Hello world", "Hello wor"},
        {f::kInteger, "a1b2-3", "123"},
        {f::kReal, "12.3.4", "1234"},
        {f::kReal, "12.5", "12.5"},
        {f::kReal, "x.5y", ".5"},
        {f::kAutoPlusMinus, "-1.5", "1.5"},
        {f::kBoolean, "Yes", "Y"},
        {f::kBoolean, "n", "n"},
        {f::kBoolean, "x", ""},
        {f::kBoolean, "2", ""},
        {f::kAlphameric, "AB12-34", "AB12"},
        {f::kAlphameric, "Zz9ЖZ", "Zz9"},
        {f::kVariable1, "a-b c", "a-b c"},
    };
    for (const auto& [type, typed, kept] : cases) {
        Open(type);
        Dialog().Click(A::kInitialValueCheck);
        EXPECT_EQ(Dialog().SetText(A::kInitialValue, typed), EventError::None);
        EXPECT_EQ(State(A::kInitialValue).text, kept) << typed;
        const std::string stored(kept);
        std::vector<Byte> slot(stored.begin(), stored.end());
        slot.resize(10, 0);
        EXPECT_EQ(Bytes(f::kInitialValue + 10, 10), slot) << typed;
        bench.sheet->Cancel();
    }
}

TEST_F(AdvanceDialogTest, TheMarkIsOneCharacterAndGoneWhenNotShown) {
    bench.Live()[f::kInputMark + 1] = '_';
    Open(f::kText);
    EXPECT_TRUE(State(A::kMarkCheck).checked) << "a line with a mark shows it";
    EXPECT_EQ(State(A::kMark).text, "_");
    Dialog().SetText(A::kMark, "*#");
    EXPECT_EQ(State(A::kMark).text, "*");
    EXPECT_EQ(At(f::kInputMark), '*');
    Dialog().SetText(A::kMark, "");
    EXPECT_EQ(At(f::kInputMark), 0);
    Dialog().SetText(A::kMark, "#");
    bench.sheet->Ok();
    EXPECT_EQ(At(f::kInputMark), '#');

    Open(f::kText);
    Dialog().Click(A::kMarkCheck);
    EXPECT_FALSE(State(A::kMark).enabled);
    EXPECT_EQ(At(f::kInputMark), '#') << "until OK";
    bench.sheet->Ok();
    EXPECT_EQ(At(f::kInputMark), 0);
}

TEST_F(AdvanceDialogTest, OpeningGivesThePartialReadAStartAndALength) {
    bench.Live()[f::kPartialMaxLength + 1] = 0;
    bench.Live()[f::kPartialMaxLength + 2] = 81;
    bench.Live()[f::kPartialStart + 2] = 0x80;
    Open(f::kText);
    EXPECT_EQ(At(f::kPartialMaxLength), 80);
    EXPECT_EQ(At(f::kPartialStart), 1);
    EXPECT_EQ(State(A::kStartPosition).text, "1");
    bench.sheet->Cancel();
    EXPECT_EQ(At(f::kPartialMaxLength), 0) << "Cancel gives the bytes back";
    EXPECT_EQ(At(f::kPartialStart), 0);

    Open(f::kText, 2);
    EXPECT_EQ(At(f::kPartialMaxLength, 2), 80);
    EXPECT_EQ(At(f::kPartialStart, 2), 0x81) << "the save-full-barcode bit stays";
    EXPECT_TRUE(State(A::kSaveFullBarcode).checked);
    bench.sheet->Cancel();
    bench.Working()[f::kPartialMaxLength + 3] = 20;
    bench.Working()[f::kPartialStart + 3] = 9;
    Open(f::kText, 3);
    EXPECT_EQ(At(f::kPartialMaxLength, 3), 20);
    EXPECT_EQ(At(f::kPartialStart, 3), 9);
}

TEST_F(AdvanceDialogTest, ThePartialReadIsOffByPositionOrByGs1Part) {
    Open(f::kText);
    const int byPosition[] = {A::kStartPosition, A::kPartialMaxLength};
    const int gs1[] = {A::kGs1Code, A::kCutGs1};
    const auto expectOpen = [this](std::initializer_list<int> ids, bool open) {
        for (const int id : ids) EXPECT_EQ(State(id).enabled, open) << id;
    };
    expectOpen({A::kBarcodePart, A::kGs1Part, A::kSaveFullBarcode, byPosition[0], byPosition[1], gs1[0], gs1[1]},
               false);

    Dialog().Click(A::kPartialCheck);
    EXPECT_EQ(At(f::kPartialMode), 1);
    EXPECT_TRUE(State(A::kPartialCheck).checked);
    EXPECT_TRUE(State(A::kBarcodePart).checked);
    EXPECT_FALSE(State(A::kGs1Part).checked);
    expectOpen({A::kBarcodePart, A::kGs1Part, A::kSaveFullBarcode, byPosition[0], byPosition[1]}, true);
    expectOpen({gs1[0], gs1[1]}, false);

    Dialog().Click(A::kGs1Part);
    EXPECT_EQ(At(f::kPartialMode), 2);
    EXPECT_FALSE(State(A::kBarcodePart).checked);
    expectOpen({byPosition[0], byPosition[1]}, false);
    expectOpen({gs1[0], gs1[1], A::kSaveFullBarcode}, true);
    Dialog().Click(A::kCutGs1);
    EXPECT_EQ(At(f::kPartialMode), 3);
    EXPECT_TRUE(State(A::kCutGs1).checked);
    EXPECT_TRUE(State(A::kGs1Part).checked);
    Dialog().Click(A::kCutGs1);
    EXPECT_EQ(At(f::kPartialMode), 2);
    Dialog().Click(A::kCutGs1);
    Dialog().Click(A::kGs1Part);
    EXPECT_EQ(At(f::kPartialMode), 2) << "the GS1 part again keeps the code";
    EXPECT_FALSE(State(A::kCutGs1).checked) << "and the box says so";
    Dialog().Click(A::kBarcodePart);
    EXPECT_EQ(At(f::kPartialMode), 1);
    Dialog().Click(A::kPartialCheck);
    EXPECT_EQ(At(f::kPartialMode), 0);
    expectOpen({A::kBarcodePart, A::kGs1Part, A::kSaveFullBarcode, byPosition[0], gs1[0]}, false);
    EXPECT_EQ(Dialog().Click(A::kGs1Part), EventError::Disabled);
    bench.sheet->Cancel();

    bench.Working()[f::kPartialMode + 1] = 3;
    bench.Working()[f::kGs1Identifier + 4] = '1';
    bench.Working()[f::kGs1Identifier + 5] = '0';
    Open(f::kText);
    EXPECT_TRUE(State(A::kPartialCheck).checked);
    EXPECT_TRUE(State(A::kGs1Part).checked);
    EXPECT_TRUE(State(A::kCutGs1).checked);
    EXPECT_EQ(State(A::kGs1Code).text, "10");
}

// Seven bits hold the start; the eighth belongs to "Save full barcode".
TEST_F(AdvanceDialogTest, TheStartPositionStaysWithinSevenBits) {
    Open(f::kText);
    Dialog().Click(A::kPartialCheck);
    Dialog().Click(A::kSaveFullBarcode);
    EXPECT_EQ(At(f::kPartialStart), 0x81);
    Dialog().SetText(A::kStartPosition, "5");
    EXPECT_EQ(At(f::kPartialStart), 133);
    Dialog().SetText(A::kStartPosition, "200");
    EXPECT_EQ(State(A::kStartPosition).text, "127");
    EXPECT_EQ(At(f::kPartialStart), 0xFF);
    Dialog().Click(A::kSaveFullBarcode);
    EXPECT_EQ(At(f::kPartialStart), 127);
    Dialog().SetText(A::kStartPosition, "0");
    EXPECT_EQ(State(A::kStartPosition).text, "1");
    Dialog().SetText(A::kStartPosition, "x");
    EXPECT_EQ(State(A::kStartPosition).text, "1");
    Dialog().SetText(A::kStartPosition, "");
    EXPECT_EQ(State(A::kStartPosition).text, "");
    bench.sheet->Ok();
    EXPECT_EQ(At(f::kPartialStart), 1) << "an empty start is the first character";

    Open(f::kText, 2);
    Dialog().Click(A::kPartialCheck);
    Dialog().SetText(A::kPartialMaxLength, "0");
    EXPECT_EQ(State(A::kPartialMaxLength).text, "1");
    Dialog().SetText(A::kPartialMaxLength, "95");
    EXPECT_EQ(At(f::kPartialMaxLength, 2), 80);
}

TEST_F(AdvanceDialogTest, AGs1PartNeedsACodeOfTwoCharacters) {
    bench.Live()[f::kInputMark + 1] = '*';
    Open(f::kText);
    Dialog().Click(A::kPartialCheck);
    Dialog().Click(A::kGs1Part);
    Dialog().Click(A::kMarkCheck);
    Dialog().SetText(A::kGs1Code, "1");
    bench.sheet->Ok();
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Предупреждение|Слишком короткий код GS1 (минимум 2 символа)"}));
    EXPECT_EQ(bench.ui.events[0].icon, common::MessageIcon::Warning);
    ASSERT_EQ(bench.sheet->DialogCount(), 1u) << "the dialog stays open";
    EXPECT_EQ(At(f::kInputMark), '*') << "a refused OK stores nothing";

    Dialog().SetText(A::kGs1Code, "012345");
    EXPECT_EQ(State(A::kGs1Code).text, "0123");
    EXPECT_EQ(Bytes(f::kGs1Identifier + 4, 4), (std::vector<Byte>{0, 0, 0, 0})) << "stored by OK only";
    bench.sheet->Ok();
    EXPECT_EQ(bench.sheet->DialogCount(), 0u);
    EXPECT_EQ(Bytes(f::kGs1Identifier + 4, 4), (std::vector<Byte>{'0', '1', '2', '3'})) << "four fill the slot";
    EXPECT_EQ(At(f::kInputMark), 0);

    Open(f::kText);
    Dialog().SetText(A::kGs1Code, "17");
    bench.sheet->Ok();
    EXPECT_EQ(Bytes(f::kGs1Identifier + 4, 4), (std::vector<Byte>{'1', '7', 0, 0}));
}

TEST_F(AdvanceDialogTest, OutsideTheGs1PartTheCodeIsKept) {
    bench.Live()[f::kGs1Identifier + 4] = '9';
    bench.Live()[f::kGs1Identifier + 5] = '1';
    Open(f::kText);
    Dialog().Click(A::kPartialCheck);
    Dialog().Click(A::kGs1Part);
    Dialog().SetText(A::kGs1Code, "");
    Dialog().Click(A::kBarcodePart);
    bench.sheet->Ok();
    EXPECT_TRUE(bench.ui.events.empty());
    EXPECT_EQ(Bytes(f::kGs1Identifier + 4, 4), (std::vector<Byte>{'9', '1', 0, 0}));
}

TEST_F(AdvanceDialogTest, TheLeadingCodeMayFillItsSixBytes) {
    Open(f::kText);
    Dialog().Click(A::kLeadingCodeCheck);
    Dialog().SetText(A::kLeadingCode, "ABCDEFG");
    EXPECT_EQ(State(A::kLeadingCode).text, "ABCDEF");
    EXPECT_EQ(Bytes(f::kLeadingCode + 6, 6), (std::vector<Byte>{'A', 'B', 'C', 'D', 'E', 'F'}));
    EXPECT_EQ(At(f::kAutoEnter), 1) << "the next line's bytes are untouched";
    Dialog().SetText(A::kLeadingCode, "12");
    EXPECT_EQ(Bytes(f::kLeadingCode + 6, 6), (std::vector<Byte>{'1', '2', 0, 0, 0, 0}));
    bench.sheet->Ok();
    bench.Working()[f::kLeadingCode + 6] = 'X';
    for (int i = 1; i < 6; ++i) bench.Working()[f::kLeadingCode + 6 + static_cast<std::size_t>(i)] = 'Y';
    Open(f::kText);
    EXPECT_EQ(State(A::kLeadingCode).text, "XYYYYY");
}

TEST_F(AdvanceDialogTest, CheckDigitMethodsAreStoredFromOne) {
    Open(f::kInteger);
    EXPECT_FALSE(State(A::kCheckDigitMethod).enabled);
    Dialog().Click(A::kCheckDigitCheck);
    EXPECT_EQ(At(f::kCheckDigit), 1);
    EXPECT_EQ(State(A::kCheckDigitMethod).selection, 0);
    EXPECT_TRUE(State(A::kCheckDigitMethod).enabled);
    Dialog().Choose(A::kCheckDigitMethod, 7);
    EXPECT_EQ(At(f::kCheckDigit), 8);
    Dialog().Click(A::kCheckDigitCheck);
    EXPECT_EQ(At(f::kCheckDigit), 0);
    EXPECT_FALSE(State(A::kCheckDigitMethod).enabled);
}

TEST_F(AdvanceDialogTest, CancelUndoesEverythingOkKeepsIt) {
    const task::FormRecord live = bench.Live();
    bench.OpenSheet();
    bench.Active().Choose(FormPage::kTypeList + 1, f::kReal);
    const task::FormRecord before = bench.Working();
    Open(f::kReal);
    Dialog().Click(A::kFixedLengthCheck);
    Dialog().SetText(A::kFixedLength, "300");
    EXPECT_EQ(State(A::kFixedLength).text, "255");
    Dialog().Choose(A::kAlignment, 3);
    Dialog().Choose(A::kDecimals, 2);
    Dialog().Choose(A::kAutoEnter, 3);
    Dialog().Click(A::kPrefixCheck);
    Dialog().Click(A::kPrefix);
    bench.Active().Choose(GridDialog::kGrid, 0x1B);
    bench.sheet->Ok();
    bench.sheet->Cancel();
    EXPECT_EQ(bench.Working(), before) << "every change undone, the lists' too";
    EXPECT_EQ(bench.sheet->DialogCount(), 0u);

    Open(f::kReal);
    Dialog().Click(A::kFixedLengthCheck);
    Dialog().SetText(A::kFixedLength, "12");
    Dialog().Choose(A::kAlignment, 3);
    Dialog().Choose(A::kDecimals, 2);
    Dialog().Click(A::kPrefixCheck);
    Dialog().Click(A::kPrefix);
    bench.Active().Choose(GridDialog::kGrid, 0x1B);
    bench.sheet->Ok();
    bench.sheet->Ok();
    EXPECT_EQ(At(f::kFixedLength), 1);
    EXPECT_EQ(At(f::kFixedLengthValue), 12);
    EXPECT_EQ(At(f::kAlignment), 3);
    EXPECT_EQ(At(f::kDecimals), 2);
    EXPECT_EQ(At(f::kHasPrefix), 1);
    EXPECT_EQ(Bytes(f::kPrefix + 10, 3), (std::vector<Byte>{0x1B, 0, 0}));
    EXPECT_EQ(bench.Live(), live) << "the task itself waits for the sheet's OK";
}

// The boxes start from the line's own codes: an OK that never visited the
// grid writes them back as they were, never zeros or another line's codes.
TEST_F(AdvanceDialogTest, PrefixAndSuffixStartFromTheLine) {
    const Byte prefix[] = {0x1B, 0x31};
    const Byte suffix[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 11};
    std::copy(std::begin(prefix), std::end(prefix), bench.Live().begin() + f::kPrefix + 10);
    std::copy(std::begin(suffix), std::end(suffix), bench.Live().begin() + f::kSuffix + 10);
    Open(f::kText);
    EXPECT_EQ(State(A::kPrefix).text, " ESC 1");
    EXPECT_EQ(State(A::kSuffix).text, " Ins Del Home End Up Down Left BS HT Right");
    bench.sheet->Ok();
    EXPECT_EQ(Bytes(f::kPrefix + 10, 10), (std::vector<Byte>{0x1B, 0x31, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Bytes(f::kSuffix + 10, 10), std::vector<Byte>(std::begin(suffix), std::end(suffix)));

    Open(f::kText, 2);
    EXPECT_EQ(State(A::kPrefix).text, "");
    bench.sheet->Ok();
    EXPECT_EQ(Bytes(f::kPrefix + 20, 10), std::vector<Byte>(10, 0));
}

}  // namespace
}  // namespace editors
