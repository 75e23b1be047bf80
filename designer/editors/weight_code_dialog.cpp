#include "designer/editors/weight_code_dialog.h"

#include <algorithm>

#include "common/cp1251.h"
#include "designer/task/slot_text.h"

namespace editors {
namespace {

namespace ids = barcode::weight_code;

constexpr std::size_t kPrefixWidth = 2;  // characters, without a terminator

}  // namespace

WeightCodeDialog::WeightCodeDialog(EditorContext& context) : BarcodeDialog(context, barcode::Editor::WeightCode) {
    ShowText(ids::kPrefixBox, common::Cp1251ToUtf8(task::TextBeforeZero(Prefix())));
    LoadControls();
}

task::Slot WeightCodeDialog::Prefix() {
    return task::Slot(barcode::FieldBytes(Working(), Row(ids::kPrefixBox)), kPrefixWidth);
}

void WeightCodeDialog::OnEdited(int id) {
    if (id != ids::kPrefixBox) return;
    const TextEntry entry = ApplyTextRule(Control(id).text, kPrefixWidth);
    Control(id).text = entry.text;
    const task::Slot prefix = Prefix();
    std::fill(prefix.begin(), prefix.end(), task::Byte{0});
    std::copy(entry.stored.begin(), entry.stored.end(), prefix.begin());
}

// A single character goes behind a blank, an empty prefix becomes two blanks.
void WeightCodeDialog::PadPrefix() {
    const task::Slot prefix = Prefix();
    std::string text = task::TextBeforeZero(prefix);
    text.insert(0, kPrefixWidth - text.size(), ' ');
    std::copy(text.begin(), text.end(), prefix.begin());
    ShowText(ids::kPrefixBox, common::Cp1251ToUtf8(text));
}

void WeightCodeDialog::OnFocusLost(int id) {
    if (id == ids::kPrefixBox) PadPrefix();
}

void WeightCodeDialog::BeforeWrite() { PadPrefix(); }

void WeightCodeDialog::Update() {
    const bool enabled = FieldOf(Row(ids::kEnableCheck)).Get() != 0;
    for (const int id : {ids::kPrefixBox, ids::kMaskList, ids::kKeyFieldList, ids::kQuantityList}) {
        Enable(id, enabled);
        Enable(LabelOf(id), enabled);
    }
    Enable(ids::kOneCFormatCheck, enabled);
}

}  // namespace editors
