#include "designer/editors/advance_dialog.h"

#include <algorithm>

#include "designer/editors/item_lists.h"
#include "designer/strings/string_ids.h"

namespace editors {
namespace {

namespace f = task::form;
using A = AdvanceDialog;
using K = ControlKind;
namespace id = strings::id;

constexpr int kNumbers = 9100;  // the form and line numbers
constexpr int kOutput = 9200;   // what is written around the value
constexpr int kInput = 9300;    // how the value is taken
constexpr int kPartial = 9400;  // partial barcodes

constexpr int kMaxStart = 127;  // seven bits; the eighth is "save full barcode"
constexpr int kMaxPartialLength = 80;
constexpr int kMaxDecimals = 6;
constexpr int kCheckDigitMethods = 8;
constexpr int kAutoEnterWays = 4;
constexpr std::size_t kMinGs1Length = 2;

// Partial barcode modes (byte f::kPartialMode).
constexpr Byte kNoPartial = 0, kByPosition = 1, kGs1 = 2, kGs1Cut = 3;

std::vector<ControlSpec> AdvanceControls() {
    return {
        {kNumbers, K::Group, 0, {0, 0, 0, 2}},
        {9001, K::Label, id::kFormNumberLabel, {kNumbers, 0, 0}},
        {A::kFormNumber, K::Label, 0, {kNumbers, 0, 1}},
        {9002, K::Label, id::kLineNumberLabel, {kNumbers, 0, 2}},
        {A::kLineNumber, K::Label, 0, {kNumbers, 0, 3, 1, 0, true}},

        {kOutput, K::Group, 0, {0, 1, 0}},
        {A::kFixedLengthCheck, K::Check, id::kFixedLengthCheck, {kOutput, 0, 0}},
        {A::kFixedLength, K::Edit, 0, {kOutput, 0, 1, 1, 3}},
        {A::kAlignment, K::Combo, 0, {kOutput, 0, 2}},
        {A::kInitialValueCheck, K::Check, id::kInitialValueCheck, {kOutput, 1, 0}},
        {A::kInitialValue, K::Edit, 0, {kOutput, 1, 1, 2, 9}},
        {A::kPrefixCheck, K::Check, id::kAddPrefixCheck, {kOutput, 2, 0}},
        {A::kPrefix, K::KeyCodes, 0, {kOutput, 2, 1, 2, 24}},
        {A::kSuffixCheck, K::Check, id::kAddSuffixCheck, {kOutput, 3, 0}},
        {A::kSuffix, K::KeyCodes, 0, {kOutput, 3, 1, 2, 24}},

        {kInput, K::Group, 0, {0, 1, 1}},
        {A::kMarkCheck, K::Check, id::kShowInputMarkCheck, {kInput, 0, 0}},
        {A::kMark, K::Edit, 0, {kInput, 0, 1, 1, 2}},
        {A::kLeadingCodeCheck, K::Check, id::kCheckLeadingCodeCheck, {kInput, 1, 0}},
        {A::kLeadingCode, K::Edit, 0, {kInput, 1, 1, 1, 6}},
        {A::kCheckDigitCheck, K::Check, id::kCheckDigitCheck, {kInput, 2, 0, 2}},
        {A::kCheckDigitMethod, K::Combo, 0, {kInput, 3, 0, 2}},
        {9003, K::Label, id::kDecimalPlacesLabel, {kInput, 4, 0}},
        {A::kDecimals, K::Combo, 0, {kInput, 4, 1}},
        {9004, K::Label, id::kAutoEnterLabel, {kInput, 5, 0}},
        {A::kAutoEnter, K::Combo, 0, {kInput, 5, 1}},

        {kPartial, K::Group, 0, {0, 2, 0, 2}},
        {A::kPartialCheck, K::Check, id::kReadPartialCheck, {kPartial, 0, 0}},
        {A::kSaveFullBarcode, K::Check, id::kSaveFullBarcodeCheck, {kPartial, 0, 1, 4}},
        {A::kBarcodePart, K::Radio, id::kBarcodePartRadio, {kPartial, 1, 0}},
        {9005, K::Label, id::kStartPositionLabel, {kPartial, 1, 1}},
        {A::kStartPosition, K::Edit, 0, {kPartial, 1, 2, 1, 3}},
        {9006, K::Label, id::kPartialMaxLengthLabel, {kPartial, 1, 3}},
        {A::kPartialMaxLength, K::Edit, 0, {kPartial, 1, 4, 1, 3, true}},
        {A::kGs1Part, K::Radio, id::kGs1PartRadio, {kPartial, 2, 0}},
        {9007, K::Label, id::kGs1CodeLabel, {kPartial, 2, 1}},
        {A::kGs1Code, K::Edit, 0, {kPartial, 2, 2, 1, 4}},
        {A::kCutGs1, K::Check, id::kCutGs1Check, {kPartial, 2, 3, 2}},
    };
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// What the initial value box lets through for a line of `type`.
TextFilter InitialValueFilter(int type) {
    switch (type) {
        case f::kInteger:
            return [](const std::string& text) {
                std::string digits = text;
                std::erase_if(digits, [](char c) { return !IsDigit(c); });
                return digits;
            };
        case f::kReal:
        case f::kAutoPlusMinus:
            return [](const std::string& text) {
                // One point makes a decimal number; with more there is no telling which one is meant.
                const bool onePoint = std::count(text.begin(), text.end(), '.') == 1;
                std::string number = text;
                std::erase_if(number, [onePoint](char c) { return !IsDigit(c) && !(onePoint && c == '.'); });
                return number;
            };
        case f::kBoolean:
            return [](const std::string& text) {
                static constexpr std::string_view kAnswers = "10TFtfYNyn";
                return !text.empty() && kAnswers.find(text.front()) != std::string_view::npos ? text : std::string();
            };
        case f::kAlphameric:
            return [](const std::string& text) {
                const auto end = std::find_if(text.begin(), text.end(),
                                              [](char c) { return !IsDigit(c) && !IsAsciiLetter(c); });
                return std::string(text.begin(), end);
            };
        default: return nullptr;
    }
}

}  // namespace

AdvanceDialog::AdvanceDialog(EditorContext& context, task::FormRecord& form, int formIndex, int line)
    : LineDialog(context, "AdvanceDlg", AdvanceControls(), form, line,
                 {kFixedLengthCheck, kFixedLength, kAlignment, kPrefixCheck, kPrefix, kSuffixCheck, kSuffix}) {
    const task::FormView record = Form();
    const int type = record.Type(line);
    showMark_ = record.InputMark(line) != 0;
    // The partial read always has a place to start and a length to take;
    // the boxes keep them so (an empty start box stores the first place).
    if (record.PartialMaxLength(line) == 0 || record.PartialMaxLength(line) > kMaxPartialLength) {
        record.SetPartialMaxLength(line, kMaxPartialLength);
    }
    if (f::kPartialStartPosition.Of(record.PartialStart(line)) == 0) {
        record.SetPartialStart(line, f::kPartialStartPosition.With(record.PartialStart(line), 1));
    }
    std::copy_n(record.Gs1IdentifierSlot(line).begin(), gs1_.size(), gs1_.begin());

    ShowText(kFormNumber, std::to_string(formIndex + 1));
    ShowText(kLineNumber, std::to_string(line + 1));
    std::vector<std::string> decimals{context.Text(id::kVariableDecimalsName)};
    for (int places = 1; places <= kMaxDecimals; ++places) decimals.push_back(std::to_string(places));
    SetItems(kDecimals, std::move(decimals));
    SetItems(kCheckDigitMethod, TextItems(context, id::kFirstCheckDigitName, kCheckDigitMethods));
    SetItems(kAutoEnter, TextItems(context, id::kFirstAutoEnterName, kAutoEnterWays));

    Bind(kInitialValueCheck, CheckBinding(Field::Whole(LineByte(f::kHasInitialValue))));
    const std::size_t valueLimit = type == f::kBoolean ? 1 : f::kInitialValueWidth - 1;
    Bind(kInitialValue, TextBinding(TextSlot(LineSlot(f::kInitialValue, f::kInitialValueWidth), f::kInitialValueWidth),
                                    [valueLimit] { return valueLimit; }, InitialValueFilter(type)));
    Bind(kMark, CharacterBinding(Field::Whole(LineByte(f::kInputMark)), false));
    Bind(kDecimals, ListBinding(Field::Whole(LineByte(f::kDecimals))));
    Bind(kBarcodePart, RadioBinding(Field::Whole(LineByte(f::kPartialMode)), kByPosition));
    Bind(kStartPosition, NumberBinding(Field::Bits(LineByte(f::kPartialStart), f::kPartialStartPosition), 1, kMaxStart));
    Bind(kPartialMaxLength, NumberBinding(Field::Whole(LineByte(f::kPartialMaxLength)), 1, kMaxPartialLength));
    Bind(kSaveFullBarcode, CheckBinding(Field::Bits(LineByte(f::kPartialStart), f::kSaveFullBarcode)));
    Bind(kGs1Code, TextBinding(TextSlot::Filling([this] { return gs1_.data(); }, gs1_.size()),
                               [this] { return gs1_.size(); }));
    Bind(kLeadingCodeCheck, CheckBinding(Field::Whole(LineByte(f::kCheckLeadingCode))));
    Bind(kLeadingCode, TextBinding(TextSlot::Filling(LineSlot(f::kLeadingCode, f::kLeadingCodeWidth),
                                                     f::kLeadingCodeWidth),
                                   [] { return f::kLeadingCodeWidth; }));
    // Checking the box chooses the first method, clearing it stores none.
    Bind(kCheckDigitCheck, CheckBinding(Field::Whole(LineByte(f::kCheckDigit))));
    Bind(kCheckDigitMethod, ListBinding(Field::Whole(LineByte(f::kCheckDigit)), 1));
    Bind(kAutoEnter, ListBinding(Field::Whole(LineByte(f::kAutoEnter))));
    LoadControls();
}

void AdvanceDialog::OnClicked(int id) {
    const task::FormView form = Form();
    const Byte mode = form.PartialMode(Line());
    switch (id) {
        case kMarkCheck: showMark_ = !showMark_; break;
        case kPartialCheck: form.SetPartialMode(Line(), mode == kNoPartial ? kByPosition : kNoPartial); break;
        case kGs1Part: form.SetPartialMode(Line(), kGs1); break;
        case kCutGs1: form.SetPartialMode(Line(), mode == kGs1Cut ? kGs1 : kGs1Cut); break;
        default: break;
    }
}

void AdvanceDialog::Update() {
    const task::ConstFormView form = Form();
    const int line = Line();
    const bool fixedData = form.Type(line) == f::kFixedData;
    EnableOutputControls(true);
    Enable(kInitialValueCheck, !fixedData);
    Enable(kInitialValue, !fixedData && form.HasInitialValue(line) != 0);
    Control(kMarkCheck).checked = showMark_;
    Enable(kMarkCheck, !fixedData);
    Enable(kMark, !fixedData && showMark_);
    Enable(kDecimals, form.Type(line) == f::kReal);
    Enable(kLeadingCode, form.CheckLeadingCode(line) != 0);
    Enable(kCheckDigitMethod, form.CheckDigit(line) != 0);

    // The partial read: off, by position, or by GS1 identifier (its code cut off or kept).
    const Byte mode = form.PartialMode(line);
    const bool partial = mode != kNoPartial;
    const bool gs1 = mode == kGs1 || mode == kGs1Cut;
    Control(kPartialCheck).checked = partial;
    Control(kGs1Part).checked = gs1;
    Control(kCutGs1).checked = mode == kGs1Cut;
    Enable(kBarcodePart, partial);
    Enable(kGs1Part, partial);
    Enable(kSaveFullBarcode, partial);
    Enable(kStartPosition, mode == kByPosition);
    Enable(kPartialMaxLength, mode == kByPosition);
    Enable(kGs1Code, gs1);
    Enable(kCutGs1, gs1);
}

bool AdvanceDialog::Accept() {
    // Checked first, so a refused OK leaves the record as the controls show it.
    const task::FormView form = Form();
    const int line = Line();
    const Byte mode = form.PartialMode(line);
    const bool gs1 = mode == kGs1 || mode == kGs1Cut;
    if (gs1 && task::TextBeforeZero(gs1_).size() < kMinGs1Length) {
        Context().ShowMessage(id::kGs1WarningCaption, id::kGs1CodeTooShort, common::MessageIcon::Warning);
        return false;
    }
    if (!showMark_) form.SetInputMark(line, 0);
    StoreKeyCodes();
    if (gs1) std::copy(gs1_.begin(), gs1_.end(), form.Gs1IdentifierSlot(line).begin());
    return true;
}

}  // namespace editors
