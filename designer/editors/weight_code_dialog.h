#pragma once
// "WEIGHTCODE": barcodes that carry a weight. While "Enable" is off the
// other controls are closed. The two-character prefix is padded to two
// characters when its box loses the focus and when OK stores it.
#include "designer/editors/barcode_dialog.h"
#include "designer/task/slot_text.h"

namespace editors {

class WeightCodeDialog final : public BarcodeDialog {
public:
    explicit WeightCodeDialog(EditorContext& context);

protected:
    void OnEdited(int id) override;
    void OnFocusLost(int id) override;
    void Update() override;
    void BeforeWrite() override;

private:
    task::Slot Prefix();
    void PadPrefix();
};

}  // namespace editors
