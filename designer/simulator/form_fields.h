#pragma once
// One form's settings as the engine reads them: the task's form view with
// every value kept inside what the screen and the engine's buffers can hold,
// whatever the bytes say. A line outside 0..7 reads as an unused line.
#include <string>

#include "designer/task/form_view.h"

namespace simulator {

constexpr int kInputCapacity = 160;  // characters one line's input buffer holds

class FormFields {
public:
    explicit FormFields(const task::FormRecord& form) : form_(form) {}

    bool LargeFont() const { return form_.LargeFont(); }
    int Width() const { return form_.TextWidth(); }
    // Past this column an input line continues on its extension line or scrolls.
    int VisibleEnd() const { return LargeFont() ? 11 : 15; }
    // Lines the output record is built from.
    int RecordLines() const { return form_.ShownLines(); }
    // Byte 1013, at most 8.
    int LineCount() const;

    int Type(int line) const { return InRange(line) ? form_.Type(line) : 0; }
    bool IsInput(int line) const { return task::TakesKeyedInput(static_cast<task::Byte>(Type(line))); }
    bool IsExtension(int line) const { return InRange(line) && form_.IsExtension(line); }
    // The line an extension line continues (itself for any other line).
    int Owner(int line) const;
    // Consecutive extension lines after `line`, at most 4.
    int ExtensionsAfter(int line) const { return InRange(line) ? form_.ExtensionsAfter(line) : 0; }

    std::string Prompt(int line) const { return InRange(line) ? form_.Prompt(line) : std::string(); }
    int PromptLength(int line) const { return static_cast<int>(Prompt(line).size()); }
    int MinLength(int line) const { return InRange(line) ? form_.MinLength(line) : 0; }
    int MaxLength(int line) const;  // at most kInputCapacity
    int LookupField(int line) const { return InRange(line) ? form_.LookupField(line) : 0; }
    char InputMark(int line) const { return InRange(line) ? static_cast<char>(form_.InputMark(line)) : 0; }
    bool HasInitialValue(int line) const { return InRange(line) && form_.HasInitialValue(line) != 0; }
    std::string InitialValue(int line) const { return InRange(line) ? form_.InitialValue(line) : std::string(); }
    bool FixedLength(int line) const { return InRange(line) && form_.FixedLength(line) != 0; }
    int Alignment(int line) const { return InRange(line) ? form_.Alignment(line) : 0; }
    int FixedLengthValue(int line) const { return InRange(line) ? form_.FixedLengthValue(line) : 0; }
    bool HasPrefix(int line) const { return InRange(line) && form_.HasPrefix(line) != 0; }
    std::string Prefix(int line) const { return InRange(line) ? form_.Prefix(line) : std::string(); }
    bool HasSuffix(int line) const { return InRange(line) && form_.HasSuffix(line) != 0; }
    std::string Suffix(int line) const { return InRange(line) ? form_.Suffix(line) : std::string(); }

    // The form-wide settings, as stored.
    const task::ConstFormView& View() const { return form_; }

private:
    static bool InRange(int line) { return line >= 0 && line < task::kFormLines; }

    task::ConstFormView form_;
};

}  // namespace simulator
