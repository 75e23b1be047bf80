#pragma once
// The date and time stamp dialog "DateTimeStampDlg" of a form: where the
// stamp goes in the output record and which parts of the date and time it
// holds, in which order and with which separators. The captions of the date
// and time groups show the resulting format as it is set ("Date Format :
// YYYY/MM/DD").
#include "designer/editors/dialog_model.h"

namespace editors {

class DateTimeStampDialog final : public DialogModel {
public:
    // Control ids of the template.
    static constexpr int kPosition = 401;
    static constexpr int kSeparateFields = 101;
    static constexpr int kYear = 102;
    static constexpr int kYearDigits = 402;
    static constexpr int kMonth = 103;
    static constexpr int kDay = 104;
    static constexpr int kDateSeparated = 105;
    static constexpr int kDateSeparator = 301;
    static constexpr int kDateStyle = 403;
    static constexpr int kHour = 106;
    static constexpr int kMinute = 107;
    static constexpr int kSecond = 108;
    static constexpr int kTimeSeparated = 109;
    static constexpr int kTimeSeparator = 302;
    // The groups whose captions show the formats.
    static constexpr int kDateGroup = 9100;
    static constexpr int kTimeGroup = 9200;

    // For `form`, a working form record.
    DateTimeStampDialog(EditorContext& context, task::FormRecord& form);

protected:
    void Update() override;

private:
    Locate ByteAt(std::size_t offset);

    task::FormRecord& form_;
};

}  // namespace editors
