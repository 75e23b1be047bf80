// The Form page's rules, driven by control id as a user would.
#include "designer/editors/form_page.h"

#include <gtest/gtest.h>

#include "designer/editors/test_support.h"
#include "designer/task/form_view.h"

namespace editors {
namespace {

using namespace task::form;
using F = FormPage;

class FormPageTest : public ::testing::Test {
protected:
    void Open() { sheet = bench.Open(); }
    DialogModel& Page() { return sheet->Active(); }
    const ControlState& State(int id) { return *Page().State(id); }
    task::FormRecord& Live(int form = 0) { return bench.task.model.forms[static_cast<std::size_t>(form)]; }
    task::FormRecord& Working() { return static_cast<FormPage&>(Page()).WorkingForm(); }
    void Commit() { sheet->Ok(); }

    testing::SheetBench bench;
    std::unique_ptr<PropertySheet> sheet;
};

TEST_F(FormPageTest, ListsHoldTheTextsOfTheStringTable) {
    Open();
    EXPECT_EQ(State(F::kNameList).items.size(), 10u);
    EXPECT_EQ(State(F::kNameList).items[9], "form  10");
    EXPECT_EQ(State(F::kFontList).items, (std::vector<std::string>{"small", "large"}));
    const std::vector<std::string>& targets = State(F::kEscList).items;
    ASSERT_EQ(targets.size(), 21u);
    EXPECT_EQ(targets[0], "main");
    EXPECT_EQ(targets[1], "form  1");
    EXPECT_EQ(targets[11], "menu  1");
    EXPECT_EQ(targets[20], "menu  10");
    const std::vector<std::string>& onError = State(F::kOnErrorList).items;
    ASSERT_EQ(onError.size(), 22u);
    EXPECT_EQ(onError[0], "Skip error");
    EXPECT_EQ(onError[1], "main");
    EXPECT_EQ(onError[2], "form  1");
    EXPECT_EQ(State(F::kLookupFileList).items,
              (std::vector<std::string>{"nil", "1st lookup file", "2nd lookup file", "3rd lookup file"}));
    const std::vector<std::string>& actions = State(F::kRecordList).items;
    ASSERT_EQ(actions.size(), 9u);
    EXPECT_EQ(actions[6], "save & output record");
    const std::vector<std::string>& types = State(F::kTypeList + 3).items;
    ASSERT_EQ(types.size(), 19u);
    EXPECT_EQ(types[0], "nil");
    EXPECT_EQ(types[5], "auto(+/-)");
    EXPECT_EQ(types[18], "compare");
    EXPECT_EQ(State(F::kSourceList).items,
              (std::vector<std::string>{"reader", "keypad", "both", "variable1", "variable2", "variable3"}));
    EXPECT_EQ(State(9021 + 7).text, "#8");
    EXPECT_EQ(State(F::kMoreButton).text, "more...");
}

TEST_F(FormPageTest, ShowsTheFirstFormOfTheTask) {
    Live(0)[kFieldType] = kText;
    Live(0)[kPrompt] = 'Q';
    Live(0)[kMinLength] = 4;
    Live(0)[kEscTarget] = 12;
    Live(1)[kFieldType] = kInteger;
    Open();
    EXPECT_EQ(State(F::kNameList).selection, 0);
    EXPECT_EQ(State(F::kTypeList).selection, kText);
    EXPECT_EQ(State(F::kPromptBox).text, "Q");
    EXPECT_EQ(State(F::kMinBox).text, "4");
    EXPECT_EQ(State(F::kMaxBox).text, "80");
    EXPECT_EQ(State(F::kSourceList).selection, 2) << "both";
    EXPECT_EQ(State(F::kEscList).selection, 12) << "menu  2";
    EXPECT_EQ(State(F::kNextList).selection, 1) << "a new form goes on to itself";

    Page().Choose(F::kNameList, 1);
    EXPECT_EQ(State(F::kTypeList).selection, kInteger);
    EXPECT_EQ(State(F::kNextList).selection, 2);
}

TEST_F(FormPageTest, BytesWithoutAnItemShowNoneAndStayUntilChosen) {
    Live(0)[kEscTarget] = 25;
    Live(0)[kRecordAction] = 9;
    Live(0)[kFieldType] = 40;
    Live(0)[kFieldType + 1] = kText;
    Live(0)[kInputSource + 1] = 7;
    Open();
    EXPECT_EQ(State(F::kEscList).selection, -1);
    EXPECT_EQ(State(F::kRecordList).selection, -1);
    EXPECT_EQ(State(F::kTypeList).selection, -1);
    EXPECT_FALSE(State(F::kPromptBox).enabled) << "a type the page does not know opens nothing";
    EXPECT_EQ(State(F::kSourceList + 1).selection, -1);
    Page().Choose(F::kNextList, 3);
    Commit();
    EXPECT_EQ(Live(0)[kEscTarget], 25);
    EXPECT_EQ(Live(0)[kRecordAction], 9);
    EXPECT_EQ(Live(0)[kInputSource + 1], 7);
    EXPECT_EQ(Live(0)[kNextTarget], 3);
}

// Which of a row's controls are open to each type, row 1 with the small font.
TEST_F(FormPageTest, EachTypeEnablesItsControls) {
    struct Row {
        int type;
        bool prompt, more, source, lookup, lengths;
    };
    const Row rows[] = {
        {0, false, false, false, false, false},  {1, true, true, true, true, true},
        {2, true, true, true, true, true},       {3, true, true, true, true, true},
        {4, true, true, true, true, true},       {5, true, true, true, true, true},
        {6, true, true, true, true, false},      {7, true, true, false, true, false},
        {8, true, true, false, false, false},    {9, true, false, false, false, false},
        {10, true, false, false, false, false},  {11, true, false, false, false, false},
        {12, false, false, false, false, false}, {13, true, false, true, false, false},
        {14, true, true, true, true, true},      {15, true, true, true, true, true},
        {16, true, true, true, true, true},      {17, true, true, true, true, true},
        {18, true, true, true, true, true},
    };
    Open();
    for (const Row& row : rows) {
        Page().Choose(F::kTypeList, row.type);
        EXPECT_TRUE(State(F::kTypeList).enabled);
        EXPECT_EQ(State(F::kPromptBox).enabled, row.prompt) << "type " << row.type;
        EXPECT_EQ(State(F::kMoreButton).enabled, row.more) << "type " << row.type;
        EXPECT_EQ(State(F::kSourceList).enabled, row.source) << "type " << row.type;
        EXPECT_EQ(State(F::kLookupList).enabled, row.lookup) << "type " << row.type;
        EXPECT_EQ(State(F::kMinBox).enabled, row.lengths) << "type " << row.type;
        EXPECT_EQ(State(F::kMaxBox).enabled, row.lengths) << "type " << row.type;
    }
}

TEST_F(FormPageTest, TheLargeFontClosesRowsFiveToEightAndShortensPrompts) {
    for (int i = 0; i < 8; ++i) Live(0)[kFieldType + i] = kText;
    Open();
    Page().Choose(F::kFontList, 1);
    for (int i = 0; i < 8; ++i) {
        for (int column : {F::kTypeList, F::kPromptBox, F::kSourceList, F::kMinBox, F::kMaxBox, F::kLookupList,
                           F::kMoreButton}) {
            EXPECT_EQ(State(column + i).enabled, i < 4) << column + i;
        }
    }
    Page().SetText(F::kPromptBox, "Twenty characters!!!");
    EXPECT_EQ(State(F::kPromptBox).text, "Twenty characte");
    EXPECT_EQ(task::ConstFormView(Working()).Prompt(0), "Twenty characte");
    EXPECT_EQ(Working()[kFieldType + 6], kText) << "closed rows keep their data until OK";

    Page().Choose(F::kFontList, 0);
    EXPECT_TRUE(State(F::kPromptBox + 6).enabled);
    Page().SetText(F::kPromptBox + 1, "Twenty characters!!!xyz");
    EXPECT_EQ(State(F::kPromptBox + 1).text, "Twenty characters!!!");

    Page().Choose(F::kFontList, 1);
    Commit();
    EXPECT_EQ(Live(0)[kFieldType + 3], kText);
    for (int i = 4; i < 8; ++i) EXPECT_EQ(Live(0)[kFieldType + i], kUnused) << i;
    EXPECT_EQ(task::ConstFormView(Live(0)).Prompt(1), "Twenty characte");
}

TEST_F(FormPageTest, LengthBoxesHoldZeroToEighty) {
    Live(0)[kFieldType] = kInteger;
    Open();
    Page().SetText(F::kMaxBox, "99999999999");
    EXPECT_EQ(State(F::kMaxBox).text, "80");
    EXPECT_EQ(Working()[kMaxLength], 80);
    Page().SetText(F::kMinBox, "12a");
    EXPECT_EQ(State(F::kMinBox).text, "0");
    EXPECT_EQ(Working()[kMinLength], 0);
    Page().SetText(F::kMinBox, "50");
    Page().SetText(F::kMaxBox, "30");
    Commit();
    EXPECT_EQ(Live(0)[kMinLength], 30) << "a minimum above the maximum is committed as the maximum";
    EXPECT_EQ(Live(0)[kMaxLength], 30);
}

TEST_F(FormPageTest, PlusAndMinusFieldsFoldForTypesThatAddNothingUp) {
    Live(0)[kFieldType] = kLetter;
    Live(0)[kLookupField] = 19;  // +field 3
    Live(0)[kFieldType + 1] = kLetter;
    Live(0)[kLookupField + 1] = 16;  // -field 8
    Live(0)[kFieldType + 2] = kInteger;
    Live(0)[kLookupField + 2] = 19;
    Live(0)[kFieldType + 3] = kText;
    Live(0)[kLookupField + 3] = 30;  // no item in any list
    Open();
    EXPECT_EQ(State(F::kLookupList).items.size(), 9u);
    EXPECT_EQ(State(F::kLookupList).selection, 3);
    EXPECT_EQ(Working()[kLookupField], 3);
    EXPECT_EQ(State(F::kLookupList + 1).selection, 8);
    EXPECT_EQ(Working()[kLookupField + 1], 8);
    ASSERT_EQ(State(F::kLookupList + 2).items.size(), 25u);
    EXPECT_EQ(State(F::kLookupList + 2).items[19], "+field 3");
    EXPECT_EQ(State(F::kLookupList + 2).items[9], "-field 1");
    EXPECT_EQ(State(F::kLookupList + 2).selection, 19);
    EXPECT_EQ(State(F::kLookupList + 3).selection, -1);
    EXPECT_EQ(Working()[kLookupField + 3], 30) << "kept until the user chooses";

    // Choosing a type that adds nothing up folds the line's choice at once.
    Page().Choose(F::kTypeList + 2, kText);
    EXPECT_EQ(State(F::kLookupList + 2).items.size(), 9u);
    EXPECT_EQ(Working()[kLookupField + 2], 3);
    EXPECT_EQ(State(F::kLookupList + 2).selection, 3);
}

// A line's prefix flag, initial value, suffix and check digit before a change of type.
void GiveProperties(task::FormRecord& f, int line) {
    f[kHasPrefix + line] = 1;
    f[kPrefix + line * kPrefixWidth] = 0x1B;
    f[kHasSuffix + line] = 1;
    f[kSuffix + line * kSuffixWidth] = 0x0D;
    f[kHasInitialValue + line] = 1;
    f[kInitialValue + line * kInitialValueWidth] = '5';
    f[kInputMark + line] = '_';
    f[kFixedLength + line] = 1;
    f[kAlignment + line] = 3;
    f[kFixedLengthValue + line] = 12;
    f[kCheckDigit + line] = 4;
}

bool HasProperties(const task::FormRecord& f, int line) {
    return f[kHasPrefix + line] == 1 && f[kPrefix + line * kPrefixWidth] == 0x1B && f[kHasSuffix + line] == 1 &&
           f[kSuffix + line * kSuffixWidth] == 0x0D && f[kHasInitialValue + line] == 1 &&
           f[kInitialValue + line * kInitialValueWidth] == '5' && f[kInputMark + line] == '_' &&
           f[kFixedLength + line] == 1 && f[kAlignment + line] == 3 && f[kFixedLengthValue + line] == 12 &&
           f[kCheckDigit + line] == 4;
}

bool HasNoProperties(const task::FormRecord& f, int line) {
    for (std::size_t offset : {kHasPrefix, kHasSuffix, kHasInitialValue, kInputMark, kFixedLength, kAlignment,
                               kFixedLengthValue, kCheckDigit}) {
        if (f[offset + line] != 0) return false;
    }
    return f[kPrefix + line * kPrefixWidth] == 0 && f[kSuffix + line * kSuffixWidth] == 0 &&
           f[kInitialValue + line * kInitialValueWidth] == 0;
}

TEST_F(FormPageTest, ATypeChangeKeepsOrResetsTheLineProperties) {
    struct Change {
        int from, to;
        bool keeps;
    };
    const Change changes[] = {
        {kText, kInteger, true},     {kText, kFixedData, false},     {kLookup, kFixedData, true},
        {kAlphameric, kCounter, true}, {kCompare, kPromptOnly, true}, {kText, kUnused, false},
        {kLookup, kText, false},     {kPause, kBoolean, false},      {kFixedData, kLookup, false},
        {kVariable1, kText, true},   {kUnused, kInteger, true},
    };
    for (const Change& change : changes) {
        Live(0)[kFieldType] = static_cast<task::Byte>(change.from);
        GiveProperties(Live(0), 0);
        Open();
        Page().Choose(F::kTypeList, change.to);
        EXPECT_EQ(Working()[kFieldType], change.to);
        EXPECT_TRUE(change.keeps ? HasProperties(Working(), 0) : HasNoProperties(Working(), 0))
            << change.from << " to " << change.to;
        sheet->Cancel();
    }
}

TEST_F(FormPageTest, ChoosingTheSameTypeAgainChangesNothing) {
    Live(0)[kFieldType] = kFixedData;
    GiveProperties(Live(0), 0);
    Open();
    Page().Choose(F::kTypeList, kFixedData);
    EXPECT_TRUE(HasProperties(Working(), 0));
}

TEST_F(FormPageTest, PauseTakesTheKeypadAndBooleanOneCharacter) {
    Open();
    Page().Choose(F::kTypeList, kPause);
    EXPECT_EQ(Working()[kInputSource], 1);
    EXPECT_EQ(State(F::kSourceList).selection, 1);

    Page().Choose(F::kTypeList + 1, kBoolean);
    EXPECT_EQ(Working()[kMinLength + 1], 1);
    EXPECT_EQ(Working()[kMaxLength + 1], 1);
    EXPECT_EQ(State(F::kMinBox + 1).text, "1");
    EXPECT_EQ(State(F::kMaxBox + 1).text, "1");
    EXPECT_FALSE(State(F::kMaxBox + 1).enabled);
    Commit();
    EXPECT_EQ(Live(0)[kMaxLength + 1], 1);
}

TEST_F(FormPageTest, EachFormKeepsItsEditsWhileAnotherIsShown) {
    Open();
    Page().Choose(F::kTypeList, kText);
    Page().SetText(F::kPromptBox, "Item");
    Page().Choose(F::kNameList, 4);
    EXPECT_EQ(State(F::kPromptBox).text, "");
    EXPECT_EQ(State(F::kTypeList).selection, 0);
    Page().Choose(F::kRecordList, 8);
    Page().Choose(F::kNameList, 0);
    EXPECT_EQ(State(F::kPromptBox).text, "Item");
    EXPECT_EQ(Live(0)[kFieldType], kUnused) << "nothing reaches the task before OK";
    Commit();
    EXPECT_EQ(task::ConstFormView(Live(0)).Prompt(0), "Item");
    EXPECT_EQ(Live(4)[kRecordAction], 8);
}

TEST_F(FormPageTest, CommitClearsWhatALineTypeCannotUse) {
    const int types[] = {kPromptOnly, kLookup, kLookup, kText, kCompare, kFixedData, kPause, kVariable3};
    for (int i = 0; i < 8; ++i) {
        Live(0)[kFieldType + i] = static_cast<task::Byte>(types[i]);
        GiveProperties(Live(0), i);
    }
    Live(0)[kHasInitialValue + 1] = 0;  // a lookup line that does not save the field's data
    Open();
    Commit();
    const task::FormRecord& f = Live(0);
    const auto cleared = [&f](int i) {
        return f[kHasPrefix + i] == 0 && f[kHasSuffix + i] == 0 && f[kPrefix + i * kPrefixWidth] == 0 &&
               f[kSuffix + i * kSuffixWidth] == 0 && f[kInitialValue + i * kInitialValueWidth] == 0 &&
               f[kInputMark + i] == 0 && f[kFixedLength + i] == 0 && f[kAlignment + i] == 0 &&
               f[kFixedLengthValue + i] == 0;
    };
    EXPECT_TRUE(cleared(0)) << "prompt";
    EXPECT_TRUE(cleared(1)) << "lookup without saved data";
    EXPECT_EQ(f[kCheckDigit + 0], 4) << "the clean-up leaves the check digit";
    EXPECT_FALSE(cleared(2)) << "lookup saving its data";
    EXPECT_FALSE(cleared(3)) << "text";
    EXPECT_TRUE(cleared(4)) << "compare";
    EXPECT_FALSE(cleared(5)) << "fixed data";
    EXPECT_TRUE(cleared(6)) << "pause";
    EXPECT_FALSE(cleared(7)) << "variable3";
}

TEST_F(FormPageTest, OkWithoutChangesStillNormalisesAndMarksTheTask) {
    Live(2)[kFieldType] = kUnused;
    Live(2)[kPrompt + 5 * kPromptWidth] = 'x';  // a prompt on an unused line
    Live(2)[kMaxLength + 5] = 99;
    Live(2)[kFieldType + 1] = kCounter;
    Live(2)[kLookupField + 1] = 4;
    Open();
    Commit();
    EXPECT_TRUE(bench.task.modified);
    EXPECT_EQ(Live(2)[kPrompt + 5 * kPromptWidth], 0);
    EXPECT_EQ(Live(2)[kMaxLength + 5], 80);
    EXPECT_EQ(Live(2)[kLookupField + 1], 0) << "a counter takes no lookup field";
}

}  // namespace
}  // namespace editors
