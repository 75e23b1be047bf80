#pragma once
// The dialogs of the symbologies read with a length limit (Industrial 25,
// Interleave 25, Matrix 25, MSI): two allowed lengths, or a maximum and a
// minimum, with the labels of the chosen mode.
#include "designer/editors/barcode_dialog.h"

namespace editors {

class LengthDialog final : public BarcodeDialog {
public:
    LengthDialog(EditorContext& context, barcode::Editor editor);

protected:
    void Update() override;
    void BeforeWrite() override;

private:
    bool MaxMinMode();

    const barcode::FieldRow& mode_;
    const barcode::FieldRow& first_;
    const barcode::FieldRow& second_;
};

// The first length as its box takes it: 1..maximum, where a text that is
// no number stands for the maximum (an empty box too, which stays empty).
NumberEntry FirstLengthRule(std::string_view text, int maximum);

// The second length: 0..255, where a text that is no number stands for 1.
NumberEntry SecondLengthRule(std::string_view text);

}  // namespace editors
