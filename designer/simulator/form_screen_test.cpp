// Forms with keyed input: where the cursor starts, what each field type
// accepts, the error screens, extension lines, scrolling, backspace, the
// input mark, counter and auto +/- lines, and completing a record.
#include "designer/simulator/engine_test_support.h"
#include "designer/task/normalize.h"

namespace simulator::testing {
namespace {

using namespace task::form;

class FormTest : public EngineTest {
protected:
    // Types a text with the digit keys ('0'..'9', '-', '.').
    void TypeDigits(const std::string& text) {
        for (const char c : text) {
            if (c == '0') Press({11});
            else if (c == '-') Press({10});
            else if (c == '.') Press({12});
            else Press({c - '0'});
        }
    }
    // Types one letter with the multi-tap keys and waits for it to be committed.
    void TypeLetter(int key, int presses) {
        Press({13});
        for (int i = 0; i < presses; ++i) Press({key});
        Ticks(7);
        Press({13});
    }
};

TEST_F(FormTest, EachFieldTypeAcceptsItsCharacters) {
    SetField(Form(1), 0, {kInteger, "I:"});
    SetField(Form(1), 1, {kReal, "R:"});
    SetField(Form(1), 2, {kBoolean, "B:"});
    SetField(Form(1), 3, {kLetter, "L:"});
    SetField(Form(1), 4, {kText, "T:"});
    Collect();
    TypeDigits("12");
    Press({10});  // '-' is no digit
    EXPECT_EQ(Screen().mode, Mode::Error);
    Press({1});
    EXPECT_EQ(Line(1), "I:12");

    Press({16});
    TypeDigits("3.5");
    EXPECT_EQ(Line(2), "R:3.5");
    Press({16});
    TypeDigits("1");
    Press({2});
    EXPECT_EQ(Screen().mode, Mode::Error);
    Press({1});
    TypeLetter(6, 2);  // N
    EXPECT_EQ(Line(3), "B:1N");
    Press({16});
    TypeDigits("7");
    EXPECT_EQ(Screen().mode, Mode::Error);
    Press({1});
    TypeLetter(9, 4);  // Z
    EXPECT_EQ(Line(4), "L:Z");
    Press({16});
    TypeDigits("-.");
    TypeLetter(1, 1);
    EXPECT_EQ(Line(5), "T:-. ");
}

TEST_F(FormTest, CursorStartsOnTheFirstInputLineAndAWrongTypeKeepsTheInput) {
    SetField(Form(1), 0, {kPromptOnly, "Header"});
    SetField(Form(1), 1, {kInteger, "Qty:"});
    Collect();
    EXPECT_EQ(Screen().mode, Mode::Form);
    EXPECT_EQ(Form(1)[kCurrentLine], 1);
    EXPECT_EQ(Screen().cursorColumn, 4);
    TypeDigits("5");
    Press({13, 2});  // "A" into an integer field, committed by the timer
    Ticks(7);
    EXPECT_EQ(Screen().mode, Mode::Error);
    EXPECT_EQ(Line(1), "Header");
    EXPECT_EQ(Line(2), "Qty:5");
    EXPECT_EQ(Line(5), "********************");
    EXPECT_EQ(Line(6), "Data type is wrong! ");
    EXPECT_EQ(Line(7), "Press any key...    ");
    EXPECT_EQ(Line(8), "********************");
    EXPECT_EQ(Screen().cursorRow, -1);
    Press({18});
    EXPECT_EQ(Screen().mode, Mode::Form);
    EXPECT_EQ(Line(2), "Qty:5");
    EXPECT_EQ(Line(5), "");
    EXPECT_EQ(Screen().cursorRow, 1);
}

TEST_F(FormTest, MinimumLengthIsCheckedOnEnter) {
    SetField(Form(1), 0, {kText, "Code:", 80, 3});
    SetField(Form(1), 1, {kText, "Name:"});
    Collect();
    TypeDigits("12");
    Press({16});
    EXPECT_EQ(Screen().mode, Mode::Error);
    EXPECT_EQ(Line(6), "Data is too short!  ");
    Press({21});  // any key only returns to the form
    EXPECT_EQ(Screen().mode, Mode::Form);
    TypeDigits("3");
    Press({17});
    EXPECT_EQ(Screen().cursorRow, 1);
    EXPECT_EQ(task.recordCounter, 0);
}

TEST_F(FormTest, CompletingTheLastLineCountsTheRecordAndGoesToTheNextTarget) {
    SetField(Form(1), 0, {kInteger, "A:"});
    Form(1)[kNextTarget] = 3;
    SetField(Form(3), 0, {kInteger, "B:"});
    SetField(Form(3), 1, {kCounter, "Done:"});
    Collect();
    TypeDigits("1");
    Press({16});
    EXPECT_EQ(task.recordCounter, 1);
    EXPECT_EQ(Line(1), "B:");
    EXPECT_EQ(Line(2), "Done:0001");
    TypeDigits("77");
    Press({16});  // form 3's next target is itself
    EXPECT_EQ(task.recordCounter, 2);
    EXPECT_EQ(Line(1), "B:");
    EXPECT_EQ(Line(2), "Done:0002");
    EXPECT_EQ(Screen().cursorColumn, 2);

    Form(3)[kNextTarget] = 0;
    TypeDigits("5");
    Press({16});
    EXPECT_EQ(Screen().mode, Mode::MainMenu);
    EXPECT_EQ(Screen().highlight, 1);
    EXPECT_EQ(Screen().clockLine, "JAN 07, 09:05 0003");
}

TEST_F(FormTest, UpAndDownMoveBetweenInputLinesOnly) {
    SetField(Form(1), 0, {kInteger, "A:"});
    SetField(Form(1), 1, {kPromptOnly, "----"});
    SetField(Form(1), 2, {kInteger, "B:"});
    SetField(Form(1), 3, {kInteger, "C:"});
    Collect();
    Press({19});
    EXPECT_EQ(Screen().cursorRow, 0);
    Press({22});
    EXPECT_EQ(Screen().cursorRow, 2);
    Press({22, 22});
    EXPECT_EQ(Screen().cursorRow, 3);
    Press({19, 19});
    EXPECT_EQ(Screen().cursorRow, 0);
    Press({16});  // ENTER also skips the prompt line
    EXPECT_EQ(Screen().cursorRow, 2);
}

TEST_F(FormTest, LongInputContinuesOnExtensionLinesAndBackspaceReturns) {
    SetField(Form(1), 0, {kText, "Note:", 30});
    SetField(Form(1), 1, {kExtension, ""});
    SetField(Form(1), 2, {kInteger, "Qty:"});
    task::NormalizeForms(task.model);
    EXPECT_EQ(Form(1)[kMaxLength + 1], 15);
    Collect();
    TypeDigits("1234567890");  // fills columns 5 to 14
    EXPECT_EQ(Line(1), "Note:1234567890");
    EXPECT_EQ(Screen().cursorColumn, 15);
    TypeDigits("12");
    EXPECT_EQ(Line(1), "Note:1234567890");
    EXPECT_EQ(Line(2), "12");
    EXPECT_EQ(Screen().cursorRow, 1);
    EXPECT_EQ(Screen().cursorColumn, 2);
    Press({23, 23});
    EXPECT_EQ(Line(2), "");
    EXPECT_EQ(Screen().cursorRow, 1);
    Press({23});  // nothing left on the extension: back to the line above, losing its last character
    EXPECT_EQ(Screen().cursorRow, 0);
    EXPECT_EQ(Line(1), "Note:123456789");
    EXPECT_EQ(Screen().cursorColumn, 14);
    Press({16});
    EXPECT_EQ(Screen().cursorRow, 2);
    Press({23});  // an empty line that is no extension: nothing happens
    EXPECT_EQ(Screen().cursorRow, 2);
}

TEST_F(FormTest, TheInputMarkFillsTheLineAndItsExtensions) {
    SetField(Form(1), 0, {kText, "Note:", 25});
    SetField(Form(1), 1, {kExtension, "", 5});
    Form(1)[kInputMark] = '_';  // the extension line's own mark byte stays zero
    Collect();
    EXPECT_EQ(Line(1), "Note:_______________");
    EXPECT_EQ(Line(2), "_____");
    TypeDigits("123");
    EXPECT_EQ(Line(1), "Note:123____________");
}

TEST_F(FormTest, WithoutAnExtensionTheLineScrollsAtTheVisibleEnd) {
    SetField(Form(1), 0, {kText, "P:", 20});
    Form(1)[kInputMark] = '_';
    Collect();
    EXPECT_EQ(Line(1), "P:" + std::string(18, '_'));
    TypeDigits("1234567890123");  // 13 characters reach column 15
    EXPECT_EQ(Line(1), "P:1234567890123_____");
    EXPECT_EQ(Screen().cursorColumn, 15);
    TypeDigits("45");
    EXPECT_EQ(Line(1), "P:3456789012345_");
    EXPECT_EQ(Screen().cursorColumn, 15);
    Press({23});
    EXPECT_EQ(Line(1), "P:2345678901234_");
    Press({23, 23});
    EXPECT_EQ(Line(1), "P:123456789012______");
    EXPECT_EQ(Screen().cursorColumn, 14);
}

TEST_F(FormTest, AFullLineReplacesItsLastCharacter) {
    SetField(Form(1), 0, {kInteger, "N:", 3});
    Form(1)[kInputMark] = '.';
    Collect();
    EXPECT_EQ(Line(1), "N:...");
    TypeDigits("12");
    EXPECT_EQ(Line(1), "N:12.");
    EXPECT_EQ(Screen().cursorColumn, 4);
    TypeDigits("34");
    EXPECT_EQ(Line(1), "N:124");
    EXPECT_EQ(Screen().cursorColumn, 4);  // stays on the last position
    Press({23});
    EXPECT_EQ(Line(1), "N:12.");
    EXPECT_EQ(Screen().cursorColumn, 4);
}

TEST_F(FormTest, InitialValuesSignColumnAndLargeFont) {
    SetField(Form(1), 0, {kAutoPlusMinus, "Q", 5});
    Form(1)[kLookupField] = 20;  // "+field"
    SetField(Form(1), 1, {kAutoPlusMinus, "R", 5});
    SetField(Form(1), 2, {kText, "Where:", 9});
    Form(1)[kHasInitialValue + 2] = 1;
    SetSlot(Form(1).data() + kInitialValue + 2 * kInitialValueWidth, "HALL");
    SetField(Form(1), 3, {kAutoPlusMinus, "This prompt is long", 5});  // no room for the sign column
    Collect();
    EXPECT_EQ(Line(1), "Q     +");
    EXPECT_EQ(Screen().cursorColumn, 7);
    TypeDigits("1.5");
    EXPECT_EQ(Line(1), "Q     +1.5");
    EXPECT_EQ(Line(2), "R      ");
    EXPECT_EQ(Line(3), "Where:HALL");
    EXPECT_EQ(Line(4), "This prompt is long");

    Form(2)[kFont] = 1;
    SetField(Form(2), 0, {kText, "A prompt of 20 chars"});
    Form(1)[kNextTarget] = 2;
    Press({16, 16, 16, 16});
    EXPECT_EQ(Screen().columns, 15);
    EXPECT_EQ(Line(1), "A prompt of 20 ");
    EXPECT_EQ(Screen().cursorColumn, 15);
}

TEST_F(FormTest, EscapeAndOddTargetsLeadToTheMainMenu) {
    SetField(Form(1), 0, {kInteger, "A:"});
    Form(1)[kEscTarget] = 200;
    Collect();
    Press({21});
    EXPECT_EQ(Screen().mode, Mode::MainMenu);
    EXPECT_EQ(Screen().highlight, 1);
    Form(1)[kNextTarget] = 21;
    Press({1, 16});
    EXPECT_EQ(Screen().mode, Mode::MainMenu);
    EXPECT_EQ(task.recordCounter, 1);
}

}  // namespace
}  // namespace simulator::testing
