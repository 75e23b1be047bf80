#pragma once
// "CODEIDDLG": the code identifier the reader sends before the data of
// fifteen symbologies, up to two key codes each, picked in the grid. "Set 1"
// to "Set 5" fill all fifteen from a preset, "Clear" empties them; while
// "Enable code ID" is off all of it is closed. OK writes the flag and the
// codes into the task at once; Cancel throws away the grid's choices, the
// presets and Clear.
#include "designer/editors/barcode_dialog.h"
#include "designer/task/slot_text.h"

namespace editors {

class CodeIdDialog final : public BarcodeDialog {
public:
    static constexpr int kPresetCount = 5;

    explicit CodeIdDialog(EditorContext& context);

protected:
    void OnClicked(int id) override;
    void Update() override;
    void BeforeWrite() override;

private:
    task::Slot CodeSlot(int slot);
};

}  // namespace editors
