#pragma once
// Typed, bounds-safe reads of one form's per-line settings. Every value is
// kept inside what the screen and the engine's buffers can hold, whatever the
// bytes say.
#include <string>

#include "designer/task/task_model.h"

namespace simulator {

constexpr int kInputCapacity = 160;  // characters one line's input buffer holds

class FormFields {
public:
    explicit FormFields(const task::FormRecord& form) : form_(form) {}

    bool LargeFont() const { return form_[task::form::kFont] != 0; }
    int Width() const { return LargeFont() ? 15 : 20; }
    // Past this column an input line continues on its extension line or scrolls.
    int VisibleEnd() const { return LargeFont() ? 11 : 15; }
    // Lines the output record is built from.
    int RecordLines() const { return LargeFont() ? 4 : task::kFormLines; }
    // Byte 1013, at most 8.
    int LineCount() const;

    int Type(int line) const { return Byte(task::form::kFieldType, line); }
    bool IsInput(int line) const;      // types 1 to 6: keyed input
    bool IsExtension(int line) const;  // type 12
    // The line an extension line continues (itself for any other line).
    int Owner(int line) const;
    // Consecutive extension lines after `line`, at most 4.
    int ExtensionsAfter(int line) const;

    std::string Prompt(int line) const;
    int PromptLength(int line) const { return static_cast<int>(Prompt(line).size()); }
    int MinLength(int line) const { return Byte(task::form::kMinLength, line); }
    int MaxLength(int line) const;  // at most kInputCapacity
    int LookupField(int line) const { return Byte(task::form::kLookupField, line); }
    char InputMark(int line) const { return static_cast<char>(Byte(task::form::kInputMark, line)); }
    bool HasInitialValue(int line) const { return Byte(task::form::kHasInitialValue, line) != 0; }
    std::string InitialValue(int line) const;
    bool FixedLength(int line) const { return Byte(task::form::kFixedLength, line) != 0; }
    int Alignment(int line) const { return Byte(task::form::kAlignment, line); }
    int FixedLengthValue(int line) const { return Byte(task::form::kFixedLengthValue, line); }
    bool HasPrefix(int line) const { return Byte(task::form::kHasPrefix, line) != 0; }
    std::string Prefix(int line) const;
    bool HasSuffix(int line) const { return Byte(task::form::kHasSuffix, line) != 0; }
    std::string Suffix(int line) const;

    const task::FormRecord& Record() const { return form_; }

private:
    int Byte(std::size_t base, int line) const;

    const task::FormRecord& form_;
};

}  // namespace simulator
