#include "designer/editors/length_dialog.h"

#include <algorithm>
#include <cassert>

#include "designer/strings/string_ids.h"

namespace editors {
namespace {

using barcode::length::kFirstLengthBox;
using barcode::length::kSecondLengthBox;

constexpr int kMaxLength = 255;

// Not a number: `fallback`, shown unless the box is empty.
NumberEntry NumberOr(std::string_view text, int fallback, int minimum, int maximum) {
    NumberEntry entry;
    if (!ParseDigits(text, entry.value)) {
        entry.value = fallback;
        if (!text.empty()) entry.text = std::to_string(fallback);
        return entry;
    }
    entry.text = std::string(text);
    if (entry.value < minimum || entry.value > maximum) {
        entry.value = std::clamp(entry.value, minimum, maximum);
        entry.text = std::to_string(entry.value);
    }
    return entry;
}

// The radio group of the length mode.
const barcode::FieldRow& ModeRow(barcode::Editor editor) {
    const barcode::FieldRow* mode = nullptr;
    for (const barcode::FieldRow& row : barcode::Fields()) {
        if (row.editor == editor && row.textId == strings::id::kLengthGroup) mode = &row;
    }
    assert(mode);
    return *mode;
}

}  // namespace

NumberEntry FirstLengthRule(std::string_view text, int maximum) { return NumberOr(text, maximum, 1, maximum); }

NumberEntry SecondLengthRule(std::string_view text) { return NumberOr(text, 1, 0, kMaxLength); }

LengthDialog::LengthDialog(EditorContext& context, barcode::Editor editor)
    : BarcodeDialog(context, editor),
      mode_(ModeRow(editor)),
      first_(Row(kFirstLengthBox)),
      second_(Row(kSecondLengthBox)) {
    // The first length has as many bits as its row gives it: 5 for Industrial 25, else 7.
    const int maximum = (1 << first_.bits.width) - 1;
    Bind(kFirstLengthBox,
         NumberBinding(FieldOf(first_), [maximum](std::string_view text, int) { return FirstLengthRule(text, maximum); }));
    Bind(kSecondLengthBox, NumberBinding(FieldOf(second_), [](std::string_view text, int) { return SecondLengthRule(text); }));
    LoadControls();
}

bool LengthDialog::MaxMinMode() { return FieldOf(mode_).Get() != 0; }

void LengthDialog::Update() {
    namespace id = strings::id;
    const bool maxMin = MaxMinMode();
    ShowText(LabelOf(kFirstLengthBox), Context().Text(maxMin ? id::kMaxLengthLabel : id::kFixedLength1Label));
    ShowText(LabelOf(kSecondLengthBox), Context().Text(maxMin ? id::kMinLengthLabel : id::kFixedLength2Label));
}

void LengthDialog::BeforeWrite() {
    const Field first = FieldOf(first_);
    if (first.Get() == 0) first.Set(1);
    // Two fixed lengths are two lengths the reader accepts, in any order;
    // only a minimum must not exceed the maximum.
    const Field second = FieldOf(second_);
    int value = second.Get();
    if (MaxMinMode()) value = std::min(value, first.Get());
    second.Set(std::max(value, 1));
}

}  // namespace editors
