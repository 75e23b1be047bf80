#include "designer/editors/date_time_stamp_dialog.h"

#include <vector>

#include "common/cp1251.h"
#include "designer/editors/item_lists.h"
#include "designer/strings/string_ids.h"
#include "designer/task/form_view.h"

namespace editors {
namespace {

namespace f = task::form;
using D = DateTimeStampDialog;
using K = ControlKind;
namespace id = strings::id;

constexpr Byte kMonthDayYear = 1, kDayMonthYear = 2;

std::vector<ControlSpec> StampControls() {
    return {
        {9001, K::Label, id::kStampPositionLabel, {0, 0, 0}},
        {D::kPosition, K::Combo, 0, {0, 0, 1}},
        {D::kSeparateFields, K::Check, id::kSeparateStampsCheck, {0, 1, 0, 2}},
        {D::kDateGroup, K::Group, 0, {0, 2, 0}},
        {D::kYear, K::Check, id::kYearCheck, {D::kDateGroup, 0, 0}},
        {D::kYearDigits, K::Combo, 0, {D::kDateGroup, 0, 1}},
        {D::kMonth, K::Check, id::kMonthCheck, {D::kDateGroup, 1, 0}},
        {D::kDay, K::Check, id::kDayCheck, {D::kDateGroup, 2, 0}},
        {D::kDateSeparated, K::Check, id::kSeparatorCheck, {D::kDateGroup, 3, 0}},
        {D::kDateSeparator, K::Edit, 0, {D::kDateGroup, 3, 1, 1, 2}},
        {9002, K::Label, id::kDateStyleLabel, {D::kDateGroup, 4, 0}},
        {D::kDateStyle, K::Combo, 0, {D::kDateGroup, 4, 1}},
        {D::kTimeGroup, K::Group, 0, {0, 2, 1}},
        {D::kHour, K::Check, id::kHourCheck, {D::kTimeGroup, 0, 0}},
        {D::kMinute, K::Check, id::kMinuteCheck, {D::kTimeGroup, 1, 0}},
        {D::kSecond, K::Check, id::kSecondCheck, {D::kTimeGroup, 2, 0}},
        {D::kTimeSeparated, K::Check, id::kSeparatorCheck, {D::kTimeGroup, 3, 0}},
        {D::kTimeSeparator, K::Edit, 0, {D::kTimeGroup, 3, 1, 1, 2}},
    };
}

// The parts that are on, in order, joined by the separator when it is on.
std::string Format(const std::vector<const char*>& parts, bool separated, Byte separator) {
    std::string format;
    for (const char* part : parts) {
        if (!format.empty() && separated && separator != 0) format += static_cast<char>(separator);
        format += part;
    }
    return format;
}

// The date as the stamp writes it, "YYYY/MM/DD"; Windows-1251.
std::string DateFormat(const task::ConstFormView& form) {
    std::vector<const char*> parts;
    const char* year = form.StampYear() == 0 ? nullptr : form.StampTwoDigitYear() == 0 ? "YYYY" : "YY";
    const char* month = form.StampMonth() == 0 ? nullptr : "MM";
    const char* day = form.StampDay() == 0 ? nullptr : "DD";
    switch (form.DateOrder()) {
        case kMonthDayYear: parts = {month, day, year}; break;
        case kDayMonthYear: parts = {day, month, year}; break;
        default: parts = {year, month, day}; break;
    }
    std::erase(parts, nullptr);
    return Format(parts, form.StampDateSeparated() != 0, form.DateSeparator());
}

std::string TimeFormat(const task::ConstFormView& form) {
    std::vector<const char*> parts;
    if (form.StampHour() != 0) parts.push_back("HH");
    if (form.StampMinute() != 0) parts.push_back("MM");
    if (form.StampSecond() != 0) parts.push_back("SS");
    return Format(parts, form.StampTimeSeparated() != 0, form.TimeSeparator());
}

}  // namespace

DateTimeStampDialog::DateTimeStampDialog(EditorContext& context, task::FormRecord& form)
    : DialogModel(context, "DateTimeStampDlg", context.DirectText(id::kStampTitle), StampControls()), form_(form) {
    BackUp(form_);
    std::vector<std::string> positions{context.Text(id::kNilName)};
    Append(positions, TextItems(context, id::kFirstStampPositionName, 2));
    SetItems(kPosition, std::move(positions));
    SetItems(kYearDigits, TextItems(context, id::kFirstYearDigitsName, 2));
    SetItems(kDateStyle, TextItems(context, id::kFirstDateStyleName, 3));

    Bind(kPosition, ListBinding(Field::Whole(ByteAt(f::kStampPosition))));
    Bind(kSeparateFields, CheckBinding(Field::Whole(ByteAt(f::kStampSeparateFields))));
    Bind(kYear, CheckBinding(Field::Whole(ByteAt(f::kStampYear))));
    Bind(kYearDigits, ListBinding(Field::Whole(ByteAt(f::kStampTwoDigitYear))));
    Bind(kMonth, CheckBinding(Field::Whole(ByteAt(f::kStampMonth))));
    Bind(kDay, CheckBinding(Field::Whole(ByteAt(f::kStampDay))));
    Bind(kDateSeparated, CheckBinding(Field::Whole(ByteAt(f::kStampDateSeparated))));
    Bind(kDateStyle, ListBinding(Field::Whole(ByteAt(f::kDateOrder))));
    Bind(kHour, CheckBinding(Field::Whole(ByteAt(f::kStampHour))));
    Bind(kMinute, CheckBinding(Field::Whole(ByteAt(f::kStampMinute))));
    Bind(kSecond, CheckBinding(Field::Whole(ByteAt(f::kStampSecond))));
    Bind(kTimeSeparated, CheckBinding(Field::Whole(ByteAt(f::kStampTimeSeparated))));
    // A separator that is on always separates: an emptied box keeps the character it had.
    Bind(kDateSeparator, CharacterBinding(Field::Whole(ByteAt(f::kDateSeparator)), true));
    Bind(kTimeSeparator, CharacterBinding(Field::Whole(ByteAt(f::kTimeSeparator)), true));
    LoadControls();
}

Locate DateTimeStampDialog::ByteAt(std::size_t offset) {
    return [this, offset] { return &form_[offset]; };
}

void DateTimeStampDialog::Update() {
    const task::ConstFormView form(form_);
    ShowText(kDateGroup, Context().DirectText(id::kDateFormatCaption) + common::Cp1251ToUtf8(DateFormat(form)));
    ShowText(kTimeGroup, Context().DirectText(id::kTimeFormatCaption) + common::Cp1251ToUtf8(TimeFormat(form)));
}

}  // namespace editors
