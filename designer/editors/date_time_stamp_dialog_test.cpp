// The date and time stamp dialog of a form and its live format captions.
#include "designer/editors/date_time_stamp_dialog.h"

#include <gtest/gtest.h>

#include "designer/editors/test_support.h"

namespace editors {
namespace {

namespace f = task::form;
using D = DateTimeStampDialog;
using task::Byte;

class DateTimeStampDialogTest : public ::testing::Test {
protected:
    DialogModel& Open() { return bench.OpenFrom(FormPage::kTimeStampButton); }
    std::string Date() { return bench.State(D::kDateGroup).text; }
    std::string Time() { return bench.State(D::kTimeGroup).text; }
    Byte At(std::size_t offset) { return bench.Working()[offset]; }

    testing::FormBench bench;
};

TEST_F(DateTimeStampDialogTest, ShowsTheFormsStampAndItsFormat) {
    DialogModel& dialog = Open();
    EXPECT_EQ(dialog.TemplateName(), "DateTimeStampDlg");
    EXPECT_EQ(dialog.Title(), "Date & Time Stamp settings");
    EXPECT_EQ(bench.State(9001).text, "Date && Time Stamp :") << "a doubled ampersand shows one";
    EXPECT_EQ(bench.State(D::kPosition).items,
              (std::vector<std::string>{"nil", "added to the top of a record", "appended to the bottom of a record"}));
    EXPECT_EQ(bench.State(D::kYearDigits).items, (std::vector<std::string>{"4 Digits (YYYY)", "2 Digits (YY)"}));
    EXPECT_EQ(bench.State(D::kDateStyle).items,
              (std::vector<std::string>{"Year.Month.Day", "Month.Day.Year", "Day.Month.Year"}));
    EXPECT_EQ(Date(), "Date Format : YYYY/MM/DD");
    EXPECT_EQ(Time(), "Time Format : HH:MM:SS");
    EXPECT_TRUE(bench.State(D::kSeparateFields).checked);
    EXPECT_EQ(bench.State(D::kDateSeparator).text, "/");
}

TEST_F(DateTimeStampDialogTest, TheCaptionsFollowEveryChange) {
    DialogModel& dialog = Open();
    dialog.Choose(D::kYearDigits, 1);
    dialog.Choose(D::kDateStyle, 1);
    EXPECT_EQ(Date(), "Date Format : MM/DD/YY");
    dialog.Choose(D::kDateStyle, 2);
    EXPECT_EQ(Date(), "Date Format : DD/MM/YY");
    dialog.Click(D::kMonth);
    EXPECT_EQ(Date(), "Date Format : DD/YY") << "a separator only between parts that are there";
    dialog.SetText(D::kDateSeparator, "-");
    EXPECT_EQ(Date(), "Date Format : DD-YY");
    dialog.Click(D::kDateSeparated);
    EXPECT_EQ(Date(), "Date Format : DDYY");
    dialog.Click(D::kDay);
    dialog.Click(D::kYear);
    EXPECT_EQ(Date(), "Date Format : ");

    dialog.Click(D::kMinute);
    EXPECT_EQ(Time(), "Time Format : HH:SS");
    dialog.SetText(D::kTimeSeparator, ".");
    EXPECT_EQ(Time(), "Time Format : HH.SS");
    dialog.Click(D::kHour);
    dialog.Click(D::kTimeSeparated);
    EXPECT_EQ(Time(), "Time Format : SS");
    EXPECT_EQ(At(f::kStampHour), 0);
    EXPECT_EQ(At(f::kStampTimeSeparated), 0);
    EXPECT_EQ(At(f::kTimeSeparator), '.');
    EXPECT_EQ(At(f::kDateOrder), 2);
    EXPECT_EQ(At(f::kStampTwoDigitYear), 1);
}

TEST_F(DateTimeStampDialogTest, ASeparatorIsOneCharacterAndNeverNothing) {
    DialogModel& dialog = Open();
    dialog.SetText(D::kDateSeparator, "-.");
    EXPECT_EQ(bench.State(D::kDateSeparator).text, "-");
    EXPECT_EQ(At(f::kDateSeparator), '-');
    EXPECT_EQ(At(f::kDateSeparator + 1), 0);
    dialog.SetText(D::kDateSeparator, "");
    EXPECT_EQ(bench.State(D::kDateSeparator).text, "");
    EXPECT_EQ(At(f::kDateSeparator), '-') << "an emptied box keeps the character";
    EXPECT_EQ(Date(), "Date Format : YYYY-MM-DD");
    dialog.SetText(D::kTimeSeparator, "");
    EXPECT_EQ(At(f::kTimeSeparator), ':');
    bench.sheet->Ok();
    Open();
    EXPECT_EQ(bench.State(D::kDateSeparator).text, "-");
}

TEST_F(DateTimeStampDialogTest, CancelUndoesEveryChange) {
    const task::FormRecord live = bench.Live();
    DialogModel& dialog = Open();
    dialog.Choose(D::kPosition, 2);
    dialog.Click(D::kSeparateFields);
    dialog.Choose(D::kDateStyle, 1);
    dialog.SetText(D::kTimeSeparator, "#");
    bench.sheet->Cancel();
    EXPECT_EQ(bench.Working(), live);

    Open();
    bench.Active().Choose(D::kPosition, 2);
    bench.sheet->Ok();
    EXPECT_EQ(At(f::kStampPosition), 2);
    bench.sheet->Ok();
    EXPECT_EQ(bench.Live()[f::kStampPosition], 2) << "the sheet's OK brings it into the task";
}

}  // namespace
}  // namespace editors
