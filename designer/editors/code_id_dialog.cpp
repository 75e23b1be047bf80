#include "designer/editors/code_id_dialog.h"

#include <array>
#include <string_view>
#include <vector>

#include "designer/strings/string_ids.h"
#include "designer/task/startup_view.h"

namespace editors {
namespace {

namespace ids = barcode::code_id;
using task::startup::kCodeIdCount;
using task::startup::kCodeIdWidth;

// One code ID a slot, in the order of the boxes: Code 39, Italian and French
// Pharmacode, Industrial, Interleave and Matrix 25, Codabar, Code 93,
// Code 128, UPCE, EAN8, EAN13, UPCA, MSI, Plessey.
constexpr std::array<std::array<std::string_view, kCodeIdCount>, CodeIdDialog::kPresetCount> kPresets = {{
    {"A", "A", "A", "C", "D", "E", "F", "I", "H", "S", "P", "M", "J", "V", "W"},
    {"C", "C", "C", "H", "I", "G", "N", "L", "K", "E", "B", "A", "A", "V", "W"},
    {"Y", "Y", "Y", "H", "Z", "G", "X", "L", "K", "C", "B", "A", "A", "D", "E"},
    {"M", "M", "M", "H", "I", "G", "N", "L", "K", "E", "FF", "F", "A", "P", "Q"},
    {"A", "A", "A", "S", "S", "S", "F", "G", "C", "E", "E", "E", "E", "M", "P"},
}};

constexpr int Box(int slot) { return ids::kFirstCodeBox + slot; }

std::vector<ControlSpec> Buttons() {
    std::vector<ControlSpec> buttons;
    for (int set = 0; set < CodeIdDialog::kPresetCount; ++set) {
        buttons.push_back({ids::kFirstSetButton + set, ControlKind::Button, strings::id::kFirstCodeIdSet + set});
    }
    buttons.push_back({ids::kClearButton, ControlKind::Button, strings::id::kCodeIdClearButton});
    return buttons;
}

}  // namespace

CodeIdDialog::CodeIdDialog(EditorContext& context)
    : BarcodeDialog(context, barcode::Editor::CodeId, Buttons()) {
    for (int slot = 0; slot < kCodeIdCount; ++slot) AddKeyCodeBox(Box(slot), kCodeIdWidth, CodeSlot(slot));
    LoadControls();
}

task::Slot CodeIdDialog::CodeSlot(int slot) { return task::StartupView(Working().startup).CodeIdSlot(slot); }

void CodeIdDialog::OnClicked(int id) {
    const int set = id - ids::kFirstSetButton;
    if (set >= 0 && set < kPresetCount) {
        for (int slot = 0; slot < kCodeIdCount; ++slot) {
            const std::string_view codes = kPresets[static_cast<std::size_t>(set)][static_cast<std::size_t>(slot)];
            const std::span stored(reinterpret_cast<const task::Byte*>(codes.data()), codes.size());
            SetCodes(Box(slot), KeyCodes::FromStored(stored, kCodeIdWidth));
        }
    } else if (id == ids::kClearButton) {
        for (int slot = 0; slot < kCodeIdCount; ++slot) SetCodes(Box(slot), KeyCodes(kCodeIdWidth));
    }
}

void CodeIdDialog::Update() {
    const bool enabled = FieldOf(Row(ids::kEnableCheck)).Get() != 0;
    for (int slot = 0; slot < kCodeIdCount; ++slot) {
        Enable(Box(slot), enabled);
        Enable(LabelOf(Box(slot)), enabled);
    }
    for (int set = 0; set < kPresetCount; ++set) Enable(ids::kFirstSetButton + set, enabled);
    Enable(ids::kClearButton, enabled);
}

void CodeIdDialog::BeforeWrite() {
    for (int slot = 0; slot < kCodeIdCount; ++slot) CodesOf(Box(slot)).StoreInto(CodeSlot(slot));
}

}  // namespace editors
