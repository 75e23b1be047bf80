#pragma once
// "EAN128Dlg": whether the code ID is transmitted, and the character that
// replaces the field separator (0 = none), typed as a character or as its
// code; the two boxes show the same byte.
#include "designer/editors/barcode_dialog.h"

namespace editors {

class Ean128Dialog final : public BarcodeDialog {
public:
    explicit Ean128Dialog(EditorContext& context);

protected:
    void OnEdited(int id) override;

private:
    Field Replacement();
    void ShowReplacement(bool inCharacterBox, bool inCodeBox);
};

}  // namespace editors
