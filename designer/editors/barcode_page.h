#pragma once
// The Barcode page "BARCODESETTINGDLG": how the reader scans (scan mode,
// redundancy, time-out), which symbologies it decodes, and the buttons of
// the twenty dialogs with their options, code IDs and weight codes.
//
// The page edits a working copy of BarcodeSettings; its commit writes only
// the page's own fields into the task, so what the dialogs wrote on their
// OK stays.
#include "designer/editors/barcode_fields.h"
#include "designer/editors/page_model.h"

namespace editors {

class BarcodePage final : public PageModel {
public:
    BarcodePage(EditorContext& context, std::string title);

    // The symbologies' bits, the scan mode, the redundancy and the time-out
    // into the task; the byte-1 Code 128 / EAN128 bit and the second copy of
    // Code 128 follow the two check boxes.
    void Commit() override;

protected:
    void OnClicked(int id) override;

private:
    task::TaskModel working_;
};

// The time-out box: 1..255 seconds; what is no positive number becomes 1.
NumberEntry TimeOutRule(std::string_view text);

}  // namespace editors
