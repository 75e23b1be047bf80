#include "designer/editors/ean128_dialog.h"

#include <algorithm>

namespace editors {
namespace {

using barcode::ean128::kCharacterBox;
using barcode::ean128::kCodeBox;

constexpr int kNone = 0;
constexpr int kMaxCode = 255;

}  // namespace

Ean128Dialog::Ean128Dialog(EditorContext& context) : BarcodeDialog(context, barcode::Editor::Ean128) {
    ShowReplacement(true, true);
}

Field Ean128Dialog::Replacement() { return FieldOf(Row(kCharacterBox)); }

void Ean128Dialog::ShowReplacement(bool inCharacterBox, bool inCodeBox) {
    const int code = Replacement().Get();
    if (inCharacterBox) ShowText(kCharacterBox, CharacterText(code));
    if (inCodeBox) ShowText(kCodeBox, std::to_string(code));
}

void Ean128Dialog::OnEdited(int id) {
    ControlState& box = Control(id);
    if (id == kCharacterBox) {
        const CharacterEntry entry = ApplyCharacterRule(box.text);
        box.text = entry.text;
        Replacement().Set(entry.code < 0 ? kNone : entry.code);
        ShowReplacement(false, true);
        return;
    }
    // The code box: 0 or nothing means no replacement, a larger code than a
    // byte holds is the largest, and any other text leaves the character.
    int code = 0;
    if (box.text.empty()) {
        Replacement().Set(kNone);
    } else if (ParseDigits(box.text, code)) {
        if (code > kMaxCode) box.text = std::to_string(kMaxCode);
        Replacement().Set(std::min(code, kMaxCode));
    } else {
        ShowReplacement(false, true);
    }
    ShowReplacement(true, false);
}

}  // namespace editors
