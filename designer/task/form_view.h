#pragma once
// Typed access to one FormRecord: the form-wide settings, the settings of
// each of its eight lines (by index 0..7) and of its four function keys
// (0..3). Values are the stored bytes, unchecked: a flag is "non-zero = on",
// targets and type codes are those of task_model.h.
#include <string>
#include <string_view>

#include "designer/task/record_view.h"
#include "designer/task/task_model.h"

namespace task {

// Field types 1 to 6 take keyed or scanned input and may run on over
// extension lines.
constexpr bool TakesKeyedInput(Byte type) { return type >= form::kText && type <= form::kBoolean; }

class ConstFormView : public ConstRecordView<kFormRecordSize> {
public:
    explicit ConstFormView(const FormRecord& record) : ConstRecordView(record) {}

    Byte Font() const { return At(form::kFont); }
    bool LargeFont() const { return Font() != 0; }
    int TextWidth() const { return task::TextWidth(LargeFont()); }  // of a prompt
    int ShownLines() const { return ShownFormLines(LargeFont()); }

    Byte EscTarget() const { return At(form::kEscTarget); }
    Byte NextTarget() const { return At(form::kNextTarget); }
    Byte OnErrorTarget() const { return At(form::kOnErrorTarget); }
    Byte RecordAction() const { return At(form::kRecordAction); }
    Byte LookupFile() const { return At(form::kLookupFile); }

    // The date and time stamp of the output record.
    Byte StampPosition() const { return At(form::kStampPosition); }
    Byte StampSeparateFields() const { return At(form::kStampSeparateFields); }
    Byte StampYear() const { return At(form::kStampYear); }
    Byte StampTwoDigitYear() const { return At(form::kStampTwoDigitYear); }
    Byte StampMonth() const { return At(form::kStampMonth); }
    Byte StampDay() const { return At(form::kStampDay); }
    Byte StampDateSeparated() const { return At(form::kStampDateSeparated); }
    Byte DateSeparator() const { return At(form::kDateSeparator); }
    ConstSlot DateSeparatorSlot() const { return SlotAt(form::kDateSeparator, 2); }
    Byte DateOrder() const { return At(form::kDateOrder); }
    Byte StampHour() const { return At(form::kStampHour); }
    Byte StampMinute() const { return At(form::kStampMinute); }
    Byte StampSecond() const { return At(form::kStampSecond); }
    Byte StampTimeSeparated() const { return At(form::kStampTimeSeparated); }
    Byte TimeSeparator() const { return At(form::kTimeSeparator); }
    ConstSlot TimeSeparatorSlot() const { return SlotAt(form::kTimeSeparator, 2); }

    // Computed and simulator state.
    Byte LinesToLastInput() const { return At(form::kLineCount); }
    Byte CurrentLine() const { return At(form::kCurrentLine); }

    // Per line.
    Byte Type(int line) const { return At(form::kFieldType, line); }
    bool TakesKeyedInput(int line) const { return task::TakesKeyedInput(Type(line)); }
    bool IsExtension(int line) const { return Type(line) == form::kExtension; }
    // Consecutive extension lines right after `line`, at most 4.
    int ExtensionsAfter(int line) const;

    ConstSlot PromptSlot(int line) const { return SlotAt(form::kPrompt, form::kPromptWidth, line); }
    std::string Prompt(int line) const { return SlotText(PromptSlot(line)); }
    Byte LookupField(int line) const { return At(form::kLookupField, line); }
    Byte InputSource(int line) const { return At(form::kInputSource, line); }
    Byte MinLength(int line) const { return At(form::kMinLength, line); }
    Byte MaxLength(int line) const { return At(form::kMaxLength, line); }
    Byte AutoEnter(int line) const { return At(form::kAutoEnter, line); }
    Byte InputMark(int line) const { return At(form::kInputMark, line); }
    Byte Decimals(int line) const { return At(form::kDecimals, line); }
    Byte CheckDigit(int line) const { return At(form::kCheckDigit, line); }

    Byte FixedLength(int line) const { return At(form::kFixedLength, line); }
    Byte FixedLengthValue(int line) const { return At(form::kFixedLengthValue, line); }
    Byte Alignment(int line) const { return At(form::kAlignment, line); }

    // For a lookup line the flag says whether the field's data is saved.
    Byte HasInitialValue(int line) const { return At(form::kHasInitialValue, line); }
    ConstSlot InitialValueSlot(int line) const { return SlotAt(form::kInitialValue, form::kInitialValueWidth, line); }
    std::string InitialValue(int line) const { return SlotText(InitialValueSlot(line)); }

    // Prefixes and suffixes are key-code strings that may fill their slot.
    Byte HasPrefix(int line) const { return At(form::kHasPrefix, line); }
    ConstSlot PrefixSlot(int line) const { return SlotAt(form::kPrefix, form::kPrefixWidth, line); }
    std::string Prefix(int line) const { return TextBeforeZero(PrefixSlot(line)); }
    Byte HasSuffix(int line) const { return At(form::kHasSuffix, line); }
    ConstSlot SuffixSlot(int line) const { return SlotAt(form::kSuffix, form::kSuffixWidth, line); }
    std::string Suffix(int line) const { return TextBeforeZero(SuffixSlot(line)); }

    // Partial barcodes; the start byte packs form::kPartialStartPosition and form::kSaveFullBarcode.
    Byte PartialMode(int line) const { return At(form::kPartialMode, line); }
    Byte PartialStart(int line) const { return At(form::kPartialStart, line); }
    Byte PartialMaxLength(int line) const { return At(form::kPartialMaxLength, line); }
    ConstSlot Gs1IdentifierSlot(int line) const { return SlotAt(form::kGs1Identifier, form::kGs1IdentifierWidth, line); }
    Byte CheckLeadingCode(int line) const { return At(form::kCheckLeadingCode, line); }
    ConstSlot LeadingCodeSlot(int line) const { return SlotAt(form::kLeadingCode, form::kLeadingCodeWidth, line); }
    ConstSlot LineTextSlot(int line) const { return SlotAt(form::kLineText, form::kLineTextWidth, line); }

    // Per function key; the summation and remains bytes pack the bit fields of task_model.h.
    Byte FnTarget(int key) const { return At(form::kFnTarget, key); }
    Byte FnSummation(int key) const { return At(form::kFnSummation, key); }
    Byte FnSummationSource(int key) const { return At(form::kFnSummationSource, key); }
    Byte FnRemains(int key) const { return At(form::kFnRemains, key); }
    Byte FnRemainsFilter(int key) const { return At(form::kFnRemainsFilter, key); }
};

class FormView : public RecordView<ConstFormView, kFormRecordSize> {
public:
    explicit FormView(FormRecord& record) : RecordView(record) {}

    void SetFont(Byte value) const { Put(form::kFont, value); }
    void SetEscTarget(Byte value) const { Put(form::kEscTarget, value); }
    void SetNextTarget(Byte value) const { Put(form::kNextTarget, value); }
    void SetOnErrorTarget(Byte value) const { Put(form::kOnErrorTarget, value); }
    void SetRecordAction(Byte value) const { Put(form::kRecordAction, value); }
    void SetLookupFile(Byte value) const { Put(form::kLookupFile, value); }

    void SetStampPosition(Byte value) const { Put(form::kStampPosition, value); }
    void SetStampSeparateFields(Byte value) const { Put(form::kStampSeparateFields, value); }
    void SetStampYear(Byte value) const { Put(form::kStampYear, value); }
    void SetStampTwoDigitYear(Byte value) const { Put(form::kStampTwoDigitYear, value); }
    void SetStampMonth(Byte value) const { Put(form::kStampMonth, value); }
    void SetStampDay(Byte value) const { Put(form::kStampDay, value); }
    void SetStampDateSeparated(Byte value) const { Put(form::kStampDateSeparated, value); }
    // The separator character and its terminating zero.
    void SetDateSeparator(Byte character) const;
    void SetDateOrder(Byte value) const { Put(form::kDateOrder, value); }
    void SetStampHour(Byte value) const { Put(form::kStampHour, value); }
    void SetStampMinute(Byte value) const { Put(form::kStampMinute, value); }
    void SetStampSecond(Byte value) const { Put(form::kStampSecond, value); }
    void SetStampTimeSeparated(Byte value) const { Put(form::kStampTimeSeparated, value); }
    void SetTimeSeparator(Byte character) const;

    void SetLinesToLastInput(Byte value) const { Put(form::kLineCount, value); }
    void SetCurrentLine(Byte value) const { Put(form::kCurrentLine, value); }

    void SetType(int line, Byte value) const { Put(form::kFieldType, line, value); }
    Slot PromptSlot(int line) const { return WritableSlotAt(form::kPrompt, form::kPromptWidth, line); }
    void SetPrompt(int line, std::string_view text) const { SetSlotText(PromptSlot(line), text); }
    void SetLookupField(int line, Byte value) const { Put(form::kLookupField, line, value); }
    void SetInputSource(int line, Byte value) const { Put(form::kInputSource, line, value); }
    void SetMinLength(int line, Byte value) const { Put(form::kMinLength, line, value); }
    void SetMaxLength(int line, Byte value) const { Put(form::kMaxLength, line, value); }
    void SetAutoEnter(int line, Byte value) const { Put(form::kAutoEnter, line, value); }
    void SetInputMark(int line, Byte value) const { Put(form::kInputMark, line, value); }
    void SetDecimals(int line, Byte value) const { Put(form::kDecimals, line, value); }
    void SetCheckDigit(int line, Byte value) const { Put(form::kCheckDigit, line, value); }

    void SetFixedLength(int line, Byte value) const { Put(form::kFixedLength, line, value); }
    void SetFixedLengthValue(int line, Byte value) const { Put(form::kFixedLengthValue, line, value); }
    void SetAlignment(int line, Byte value) const { Put(form::kAlignment, line, value); }

    void SetHasInitialValue(int line, Byte value) const { Put(form::kHasInitialValue, line, value); }
    Slot InitialValueSlot(int line) const { return WritableSlotAt(form::kInitialValue, form::kInitialValueWidth, line); }
    void SetInitialValue(int line, std::string_view text) const { SetSlotText(InitialValueSlot(line), text); }

    void SetHasPrefix(int line, Byte value) const { Put(form::kHasPrefix, line, value); }
    Slot PrefixSlot(int line) const { return WritableSlotAt(form::kPrefix, form::kPrefixWidth, line); }
    void SetHasSuffix(int line, Byte value) const { Put(form::kHasSuffix, line, value); }
    Slot SuffixSlot(int line) const { return WritableSlotAt(form::kSuffix, form::kSuffixWidth, line); }

    void SetPartialMode(int line, Byte value) const { Put(form::kPartialMode, line, value); }
    void SetPartialStart(int line, Byte value) const { Put(form::kPartialStart, line, value); }
    void SetPartialMaxLength(int line, Byte value) const { Put(form::kPartialMaxLength, line, value); }
    Slot Gs1IdentifierSlot(int line) const { return WritableSlotAt(form::kGs1Identifier, form::kGs1IdentifierWidth, line); }
    void SetCheckLeadingCode(int line, Byte value) const { Put(form::kCheckLeadingCode, line, value); }
    Slot LeadingCodeSlot(int line) const { return WritableSlotAt(form::kLeadingCode, form::kLeadingCodeWidth, line); }
    Slot LineTextSlot(int line) const { return WritableSlotAt(form::kLineText, form::kLineTextWidth, line); }

    void SetFnTarget(int key, Byte value) const { Put(form::kFnTarget, key, value); }
    void SetFnSummation(int key, Byte value) const { Put(form::kFnSummation, key, value); }
    void SetFnSummationSource(int key, Byte value) const { Put(form::kFnSummationSource, key, value); }
    void SetFnRemains(int key, Byte value) const { Put(form::kFnRemains, key, value); }
    void SetFnRemainsFilter(int key, Byte value) const { Put(form::kFnRemainsFilter, key, value); }
};

}  // namespace task
