// Each accessor of a form reaches the byte its field is stored in. The
// offsets here are the record layout written out, not the constants the
// views are built from, so a field wired to its neighbour's bytes shows.
#include "designer/task/form_view.h"

#include <gtest/gtest.h>

#include "designer/task/view_test_support.h"

namespace task {
namespace {

using testing::ExpectFieldsReach;
using testing::OffsetIn;

TEST(FormView, FormWideFieldsReachTheirBytes) {
    ExpectFieldsReach<FormView, ConstFormView>({
        {"font", &FormView::SetFont, &ConstFormView::Font, 0},
        {"esc", &FormView::SetEscTarget, &ConstFormView::EscTarget, 1},
        {"next", &FormView::SetNextTarget, &ConstFormView::NextTarget, 2},
        {"stamp position", &FormView::SetStampPosition, &ConstFormView::StampPosition, 3},
        {"separate fields", &FormView::SetStampSeparateFields, &ConstFormView::StampSeparateFields, 4},
        {"year", &FormView::SetStampYear, &ConstFormView::StampYear, 5},
        {"two-digit year", &FormView::SetStampTwoDigitYear, &ConstFormView::StampTwoDigitYear, 6},
        {"month", &FormView::SetStampMonth, &ConstFormView::StampMonth, 7},
        {"day", &FormView::SetStampDay, &ConstFormView::StampDay, 8},
        {"date separated", &FormView::SetStampDateSeparated, &ConstFormView::StampDateSeparated, 9},
        {"date order", &FormView::SetDateOrder, &ConstFormView::DateOrder, 12},
        {"hour", &FormView::SetStampHour, &ConstFormView::StampHour, 13},
        {"minute", &FormView::SetStampMinute, &ConstFormView::StampMinute, 14},
        {"second", &FormView::SetStampSecond, &ConstFormView::StampSecond, 15},
        {"time separated", &FormView::SetStampTimeSeparated, &ConstFormView::StampTimeSeparated, 16},
        {"record action", &FormView::SetRecordAction, &ConstFormView::RecordAction, 19},
        {"lookup file", &FormView::SetLookupFile, &ConstFormView::LookupFile, 20},
        {"line count", &FormView::SetLinesToLastInput, &ConstFormView::LinesToLastInput, 1013},
        {"current line", &FormView::SetCurrentLine, &ConstFormView::CurrentLine, 1014},
        {"on error", &FormView::SetOnErrorTarget, &ConstFormView::OnErrorTarget, 1043},
    });
}

TEST(FormView, PerLineAndPerKeyFieldsReachTheirBytes) {
    ExpectFieldsReach<FormView, ConstFormView>(
        {
            {"lookup field", &FormView::SetLookupField, &ConstFormView::LookupField, 21},
            {"type", &FormView::SetType, &ConstFormView::Type, 29},
            {"input source", &FormView::SetInputSource, &ConstFormView::InputSource, 205},
            {"min length", &FormView::SetMinLength, &ConstFormView::MinLength, 213},
            {"max length", &FormView::SetMaxLength, &ConstFormView::MaxLength, 221},
            {"fixed length", &FormView::SetFixedLength, &ConstFormView::FixedLength, 229},
            {"alignment", &FormView::SetAlignment, &ConstFormView::Alignment, 237},
            {"fixed length value", &FormView::SetFixedLengthValue, &ConstFormView::FixedLengthValue, 245},
            {"initial value flag", &FormView::SetHasInitialValue, &ConstFormView::HasInitialValue, 253},
            {"prefix flag", &FormView::SetHasPrefix, &ConstFormView::HasPrefix, 341},
            {"suffix flag", &FormView::SetHasSuffix, &ConstFormView::HasSuffix, 429},
            {"partial mode", &FormView::SetPartialMode, &ConstFormView::PartialMode, 517},
            {"partial start", &FormView::SetPartialStart, &ConstFormView::PartialStart, 525},
            {"partial max", &FormView::SetPartialMaxLength, &ConstFormView::PartialMaxLength, 533},
            {"check leading code", &FormView::SetCheckLeadingCode, &ConstFormView::CheckLeadingCode, 541},
            {"auto enter", &FormView::SetAutoEnter, &ConstFormView::AutoEnter, 597},
            {"input mark", &FormView::SetInputMark, &ConstFormView::InputMark, 605},
            {"check digit", &FormView::SetCheckDigit, &ConstFormView::CheckDigit, 1015},
            {"decimals", &FormView::SetDecimals, &ConstFormView::Decimals, 1027},
        },
        5);
    ExpectFieldsReach<FormView, ConstFormView>(
        {
            {"fn target", &FormView::SetFnTarget, &ConstFormView::FnTarget, 1023},
            {"summation", &FormView::SetFnSummation, &ConstFormView::FnSummation, 1035},
            {"summation source", &FormView::SetFnSummationSource, &ConstFormView::FnSummationSource, 1039},
            {"remains", &FormView::SetFnRemains, &ConstFormView::FnRemains, 1044},
            {"remains filter", &FormView::SetFnRemainsFilter, &ConstFormView::FnRemainsFilter, 1048},
        },
        3);
}

TEST(FormView, SlotsOfLineSixSitWhereTheLayoutPutsThem) {
    FormRecord record{};
    const FormView view(record);
    const auto at = [&](ConstSlot slot) { return OffsetIn(record, slot); };
    EXPECT_EQ(at(view.PromptSlot(6)), 37u + 6 * 21);
    EXPECT_EQ(view.PromptSlot(6).size(), 21u);
    EXPECT_EQ(at(view.InitialValueSlot(6)), 261u + 6 * 10);
    EXPECT_EQ(view.InitialValueSlot(6).size(), 10u);
    EXPECT_EQ(at(view.PrefixSlot(6)), 349u + 6 * 10);
    EXPECT_EQ(at(view.SuffixSlot(6)), 437u + 6 * 10);
    EXPECT_EQ(at(view.LeadingCodeSlot(6)), 549u + 6 * 6);
    EXPECT_EQ(view.LeadingCodeSlot(6).size(), 6u);
    EXPECT_EQ(at(view.LineTextSlot(6)), 613u + 6 * 50);
    EXPECT_EQ(at(view.Gs1IdentifierSlot(6)), 1052u + 6 * 4);
    EXPECT_EQ(view.Gs1IdentifierSlot(7).size(), 4u);
    EXPECT_EQ(at(view.DateSeparatorSlot()), 10u);
    EXPECT_EQ(at(view.TimeSeparatorSlot()), 17u);

    // The separators keep their terminator.
    record[11] = record[18] = 'x';
    view.SetDateSeparator('.');
    view.SetTimeSeparator('-');
    EXPECT_EQ(record[10], '.');
    EXPECT_EQ(record[11], 0);
    EXPECT_EQ(record[17], '-');
    EXPECT_EQ(record[18], 0);
}

TEST(FormView, TextsAreReadAsTheTerminalReadsThem) {
    FormRecord record{};
    const FormView view(record);
    view.SetPrompt(2, "A prompt of 25 characters");
    EXPECT_EQ(view.Prompt(2), "A prompt of 25 chara") << "cut to the 20 characters of a line";
    EXPECT_EQ(record[37 + 2 * 21 + 20], 0);

    // A prefix may fill its slot: all ten key codes count.
    const Slot prefix = view.PrefixSlot(1);
    for (std::size_t i = 0; i < prefix.size(); ++i) prefix[i] = static_cast<Byte>('0' + i);
    EXPECT_EQ(view.Prefix(1), "0123456789");
    EXPECT_EQ(view.Suffix(1), "");
    // An initial value holds at most nine characters, whatever its slot holds.
    std::fill(record.begin() + 261, record.begin() + 271, Byte{'9'});
    EXPECT_EQ(view.InitialValue(0), "999999999");
}

TEST(FormView, FontGivesWidthAndLines) {
    FormRecord record{};
    const FormView view(record);
    EXPECT_EQ(view.TextWidth(), 20);
    EXPECT_EQ(view.ShownLines(), 8);
    view.SetFont(2);  // any non-zero byte is the large font
    EXPECT_TRUE(view.LargeFont());
    EXPECT_EQ(view.TextWidth(), 15);
    EXPECT_EQ(view.ShownLines(), 4);
}

TEST(FormView, ExtensionLinesRunOnForAtMostFourAndNeverPastTheLastLine) {
    FormRecord record{};
    const FormView view(record);
    for (int line = 1; line < kFormLines; ++line) view.SetType(line, form::kExtension);
    EXPECT_EQ(view.ExtensionsAfter(0), 4);
    EXPECT_EQ(view.ExtensionsAfter(5), 2);
    EXPECT_EQ(view.ExtensionsAfter(7), 0);
    view.SetType(3, form::kText);
    EXPECT_EQ(view.ExtensionsAfter(0), 2);
    EXPECT_TRUE(view.TakesKeyedInput(3));

    // Keyed input: text, integer, real, letter, auto +/- and boolean only.
    for (int type = 0; type <= 18; ++type) {
        EXPECT_EQ(TakesKeyedInput(static_cast<Byte>(type)), type >= 1 && type <= 6) << type;
    }
}

}  // namespace
}  // namespace task
