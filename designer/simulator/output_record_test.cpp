// The output record of a completed form and the pass-down lines that show it.
#include "designer/simulator/output_record.h"

#include "designer/simulator/engine_test_support.h"

namespace simulator::testing {
namespace {

using namespace task::form;

class OutputRecordTest : public EngineTest {
protected:
    std::string Build(int formNumber = 1) {
        return BuildOutputRecord(FormFields(Form(formNumber)), inputs, RecordSeparators(task.model), now);
    }
    void SetFixedLength(int line, int length, int alignment) {
        Form(1)[kFixedLength + line] = 1;
        Form(1)[kFixedLengthValue + line] = static_cast<task::Byte>(length);
        Form(1)[kAlignment + line] = static_cast<task::Byte>(alignment);
    }

    std::array<std::string, task::kFormLines> inputs{};
    CivilTime now{2024, 3, 9, 14, 7, 5};
};

TEST_F(OutputRecordTest, FieldsAreJoinedBySeparatorsWithPrefixesAndSuffixes) {
    SetField(Form(1), 0, {kText, "A:"});
    SetField(Form(1), 1, {kPromptOnly, "not a field"});
    SetField(Form(1), 2, {kInteger, "B:"});
    SetField(Form(1), 3, {kFixedData, "FIX"});
    SetField(Form(1), 4, {kLookup, "L:"});  // not saved: left out
    SetField(Form(1), 5, {kText, "Long:"});
    SetField(Form(1), 6, {kExtension, ""});
    inputs = {"abc", "", "12", "", "lk", "first", "second", ""};
    EXPECT_EQ(Build(), "abc\t12\tFIX\tfirstsecond");

    task.model.startup[task::startup::kSecondSeparator] = ';';
    Form(1)[kHasPrefix + 2] = 1;
    SetSlot(Form(1).data() + kPrefix + 2 * kPrefixWidth, "0123456789");  // fills the slot
    Form(1)[kHasSuffix] = 1;
    SetSlot(Form(1).data() + kSuffix, "#");
    Form(1)[kHasInitialValue + 4] = 1;  // the lookup field's data is saved
    EXPECT_EQ(Build(), "abc#\t;012345678912\t;FIX\t;lk\t;firstsecond");

    task.model.startup[task::startup::kFirstSeparator] = 0;
    task.model.startup[task::startup::kSecondSeparator] = 0;
    inputs[0] = "";
    EXPECT_EQ(Build(), "#012345678912FIXlkfirstsecond");
}

TEST_F(OutputRecordTest, FixedLengthsCutOrPadByTheAlignment) {
    for (int line = 0; line < 5; ++line) SetField(Form(1), line, {kText, ""});
    inputs = {"7", "7", "7", "7", "123456"};
    SetFixedLength(0, 3, 0);
    SetFixedLength(1, 3, 1);
    SetFixedLength(2, 3, 2);
    SetFixedLength(3, 3, 3);
    SetFixedLength(4, 4, 3);
    task.model.startup[task::startup::kFirstSeparator] = '|';
    EXPECT_EQ(Build(), "7  |  7|700|007|1234");
}

TEST_F(OutputRecordTest, StampsGoFirstOrLastInTheFormsDateOrder) {
    SetField(Form(1), 0, {kText, ""});
    inputs[0] = "X";
    task.model.startup[task::startup::kFirstSeparator] = ',';
    EXPECT_EQ(Build(), "X");  // a new form has no stamp
    Form(1)[kStampPosition] = 2;
    EXPECT_EQ(Build(), "X,2024/03/09,14:07:05");
    Form(1)[kStampPosition] = 1;
    EXPECT_EQ(Build(), "2024/03/09,14:07:05,X");

    Form(1)[kStampSeparateFields] = 0;
    Form(1)[kDateOrder] = 2;
    Form(1)[kStampTwoDigitYear] = 1;
    Form(1)[kDateSeparator] = '.';
    Form(1)[kStampSecond] = 0;
    EXPECT_EQ(Build(), "09.03.2414:07,X");
    Form(1)[kDateOrder] = 1;
    Form(1)[kStampDateSeparated] = 0;
    Form(1)[kStampTimeSeparated] = 0;
    Form(1)[kStampYear] = 0;
    EXPECT_EQ(Build(), "03091407,X");
    Form(1)[kStampHour] = 0;
    Form(1)[kStampMinute] = 0;
    Form(1)[kStampSeparateFields] = 1;
    EXPECT_EQ(Build(), "0309,X");
}

TEST_F(OutputRecordTest, ARecordNeverGrowsPastItsBuffer) {
    for (int line = 0; line < task::kFormLines; ++line) {
        SetField(Form(1), line, {kText, ""});
        inputs[static_cast<std::size_t>(line)] = std::string(160, 'x');
    }
    Form(1)[kStampPosition] = 2;
    EXPECT_EQ(Build().size(), kOutputRecordCapacity);
}

TEST_F(OutputRecordTest, PassDownLinesShowTheLastRecordOverTheirExtensionLines) {
    SetField(Form(1), 0, {kText, "Item:"});
    SetField(Form(1), 1, {kInteger, "Qty:"});
    Form(1)[kRecordAction] = 3;
    Form(1)[kNextTarget] = 2;
    SetField(Form(2), 0, {kPassDownField, "Last:"});
    SetField(Form(2), 1, {kExtension, ""});
    SetField(Form(2), 2, {kText, "Next:"});
    task.model.startup[task::startup::kFirstSeparator] = '/';
    Collect();
    Press({2, 3, 4, 5, 6, 7, 8, 9, 2, 3, 4, 5, 6, 7, 8, 9, 16, 1, 2, 16});
    // The record "2345678923456789/12" runs on over the extension line.
    EXPECT_EQ(Line(1), "Last:234567892345678");
    EXPECT_EQ(Line(2), "9/12");
    EXPECT_EQ(Screen().cursorRow, 2);
}

}  // namespace
}  // namespace simulator::testing
