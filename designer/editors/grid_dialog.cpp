#include "designer/editors/grid_dialog.h"

#include "designer/strings/string_ids.h"

namespace editors {
namespace {

using K = ControlKind;

std::vector<ControlSpec> GridControls() {
    return {
        {GridDialog::kGrid, K::KeyGrid, 0, {0, 0, 0, 3}},
        {GridDialog::kResultLabel, K::Label, strings::id::kGridResultLabel, {0, 1, 0}},
        {GridDialog::kResult, K::Readout, 0, {0, 1, 1, 1, 24, true}},
        {GridDialog::kClearButton, K::Button, strings::id::kGridClearButton, {0, 1, 2}},
    };
}

}  // namespace

std::string KeyCodeText(EditorContext& context, const KeyCodes& codes) {
    std::string text;
    for (const Byte code : codes.Codes()) {
        text += ' ';
        if (IsVariableKey(code)) {
            text += context.Text(strings::id::kFirstVariableName + (code - 0x1D));
            break;
        }
        text += KeyName(code);
    }
    return text;
}

GridDialog::GridDialog(EditorContext& context, KeyCodes codes)
    : DialogModel(context, "GridDlg", context.DirectText(strings::id::kGridTitle), GridControls()),
      codes_(std::move(codes)) {
    std::vector<std::string> names;
    for (int code = 0; code < kKeyCodeCount; ++code) names.push_back(KeyName(code));
    SetItems(kGrid, std::move(names));
    Control(kGrid).selection = kFirstSelected;
    LoadControls();
}

void GridDialog::OnChosen(int id, int previous) {
    if (id != kGrid) return;
    const int code = Control(kGrid).selection;
    if (!IsChoosableKey(code)) {
        Control(kGrid).selection = previous;
        return;
    }
    // A refused code changes nothing but the selection: the text follows the codes alone.
    if (!codes_.Add(static_cast<Byte>(code))) {
        Context().ShowMessage(strings::id::kErrorCaption, strings::id::kTooManyCharacters, common::MessageIcon::Warning);
    }
}

void GridDialog::OnClicked(int id) {
    if (id == kClearButton) codes_.Clear();
}

void GridDialog::Update() { ShowText(kResult, KeyCodeText(Context(), codes_)); }

}  // namespace editors
