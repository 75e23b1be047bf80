#include "designer/simulator/output_record.h"

#include <cstdio>

#include "designer/task/startup_view.h"

namespace simulator {
namespace {

using namespace task::form;

constexpr task::Byte kStampFirst = 1;
constexpr task::Byte kStampLast = 2;

enum Alignment { kLeftSpaces = 0, kRightSpaces = 1, kLeftZeros = 2, kRightZeros = 3 };

std::string TwoDigits(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value % 100);
    return text;
}

std::string Joined(const std::string& parts, const std::string& next, char separator) {
    if (parts.empty()) return next;
    return separator != 0 ? parts + separator + next : parts + next;
}

std::string DatePart(const task::ConstFormView& form, const CivilTime& now) {
    std::string year;
    if (form.StampYear() != 0) {
        char text[8];
        // Two-digit years are the last two digits: 2024 gives "24".
        std::snprintf(text, sizeof text, "%04d", form.StampTwoDigitYear() != 0 ? now.year % 100 : now.year % 10000);
        year = form.StampTwoDigitYear() != 0 ? std::string(text + 2) : std::string(text);
    }
    const std::string month = form.StampMonth() != 0 ? TwoDigits(now.month) : "";
    const std::string day = form.StampDay() != 0 ? TwoDigits(now.day) : "";
    const char separator = form.StampDateSeparated() != 0 ? static_cast<char>(form.DateSeparator()) : 0;

    std::string ordered[3];
    switch (form.DateOrder()) {
        case 1: ordered[0] = month; ordered[1] = day; ordered[2] = year; break;
        case 2: ordered[0] = day; ordered[1] = month; ordered[2] = year; break;
        default: ordered[0] = year; ordered[1] = month; ordered[2] = day; break;
    }
    std::string date;
    for (const std::string& part : ordered) {
        if (!part.empty()) date = Joined(date, part, separator);
    }
    return date;
}

std::string TimePart(const task::ConstFormView& form, const CivilTime& now) {
    const char separator = form.StampTimeSeparated() != 0 ? static_cast<char>(form.TimeSeparator()) : 0;
    std::string time;
    if (form.StampHour() != 0) time = Joined(time, TwoDigits(now.hour), separator);
    if (form.StampMinute() != 0) time = Joined(time, TwoDigits(now.minute), separator);
    if (form.StampSecond() != 0) time = Joined(time, TwoDigits(now.second), separator);
    return time;
}

// The date and time stamp of the form's stamp settings.
std::string StampText(const task::ConstFormView& form, const CivilTime& now, const std::string& separators) {
    const std::string date = DatePart(form, now);
    const std::string time = TimePart(form, now);
    if (date.empty() || time.empty()) return date + time;
    return form.StampSeparateFields() != 0 ? date + separators + time : date + time;
}

std::string FixedLengthValue(const FormFields& form, int line, std::string value) {
    const std::size_t length = static_cast<std::size_t>(form.FixedLengthValue(line));
    if (value.size() >= length) return value.substr(0, length);
    const int alignment = form.Alignment(line);
    const char fill = alignment == kLeftZeros || alignment == kRightZeros ? '0' : ' ';
    const std::string padding(length - value.size(), fill);
    return alignment == kRightSpaces || alignment == kRightZeros ? padding + value : value + padding;
}

// The value of line `line`: its input and the input of its extension lines,
// or the prompt for fixed data.
std::string LineValue(const FormFields& form, int line, const std::array<std::string, task::kFormLines>& inputs) {
    if (form.Type(line) == kFixedData) return form.Prompt(line);
    std::string value = inputs[static_cast<std::size_t>(line)];
    for (int e = 1; e <= form.ExtensionsAfter(line); ++e) value += inputs[static_cast<std::size_t>(line + e)];
    return value;
}

bool IsRecordField(const FormFields& form, int line) {
    const int type = form.Type(line);
    if (type < kText || type > kFixedData) return false;
    // Lookup lines go into the record only when their data is to be saved.
    return type != kLookup || form.HasInitialValue(line);
}

}  // namespace

std::string RecordSeparators(const task::TaskModel& model) {
    const task::ConstStartupView startup(model.startup);
    std::string separators;
    for (const task::Byte separator : {startup.FirstSeparator(), startup.SecondSeparator()}) {
        if (separator != 0) separators.push_back(static_cast<char>(separator));
    }
    return separators;
}

std::string BuildOutputRecord(const FormFields& form, const std::array<std::string, task::kFormLines>& inputs,
                              const std::string& separators, const CivilTime& now) {
    const task::Byte stampPosition = form.View().StampPosition();
    std::string record;
    // A stamp at the top is a field like the others: the separators follow it.
    bool first = true;
    if (stampPosition == kStampFirst) {
        record = StampText(form.View(), now, separators);
        first = record.empty();
    }
    for (int line = 0; line < form.RecordLines(); ++line) {
        if (!IsRecordField(form, line)) continue;
        if (!first) record += separators;
        first = false;
        if (form.HasPrefix(line)) record += form.Prefix(line);
        std::string value = LineValue(form, line, inputs);
        record += form.FixedLength(line) ? FixedLengthValue(form, line, std::move(value)) : value;
        if (form.HasSuffix(line)) record += form.Suffix(line);
    }
    if (stampPosition == kStampLast) {
        const std::string stamp = StampText(form.View(), now, separators);
        if (!record.empty() && !stamp.empty()) record += separators;
        record += stamp;
    }
    if (record.size() > kOutputRecordCapacity) record.resize(kOutputRecordCapacity);
    return record;
}

}  // namespace simulator
