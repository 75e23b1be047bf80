#include "designer/editors/dialog_model.h"

#include <algorithm>
#include <cassert>
#include <utility>

#include "designer/editors/grid_dialog.h"

namespace editors {

std::string DescribeError(EventError error, int id) {
    const std::string control = "control " + std::to_string(id);
    switch (error) {
        case EventError::None: return {};
        case EventError::UnknownControl: return "there is no " + control;
        case EventError::Disabled: return control + " is disabled";
        case EventError::WrongKind: return control + " does not take that action";
        case EventError::NoSuchItem: return control + " has no such item";
    }
    return {};
}

DialogModel::DialogModel(EditorContext& context, std::string templateName, std::string title,
                         std::vector<ControlSpec> controls)
    : context_(context), templateName_(std::move(templateName)), title_(std::move(title)), controlSpecs_(std::move(controls)) {
    for (const ControlSpec& controlSpec : controlSpecs_) {
        ControlState& state = states_[controlSpec.id];
        if (controlSpec.textId != 0) state.text = context_.Text(controlSpec.textId);
    }
}

const ControlSpec* DialogModel::ControlSpecOf(int id) const {
    const auto found = std::find_if(controlSpecs_.begin(), controlSpecs_.end(), [id](const ControlSpec& s) { return s.id == id; });
    return found == controlSpecs_.end() ? nullptr : &*found;
}

const ControlState* DialogModel::State(int id) const {
    const auto found = states_.find(id);
    return found == states_.end() ? nullptr : &found->second;
}

ControlState& DialogModel::Control(int id) {
    // A page names only controls of its own table; its tests show every one.
    assert(states_.count(id) == 1);
    return states_[id];
}

void DialogModel::SetItems(int id, std::vector<std::string> items) {
    ControlState& state = Control(id);
    state.items = std::move(items);
    const auto binding = bindings_.find(id);
    if (binding != bindings_.end()) {
        binding->second->Load(state);
    } else if (state.selection >= static_cast<int>(state.items.size())) {
        state.selection = -1;
    }
}

void DialogModel::Bind(int id, std::unique_ptr<Binding> binding) {
    Control(id);  // the id must be in the table
    bindings_[id] = std::move(binding);
}

void DialogModel::LoadControls() {
    for (auto& [id, binding] : bindings_) binding->Load(states_.at(id));
    Update();
}

void DialogModel::BackUp(std::span<task::Byte> record) {
    backups_.push_back({record, std::vector<task::Byte>(record.begin(), record.end())});
}

void DialogModel::AddKeyCodeBox(int id, std::size_t capacity, std::span<const task::Byte> stored) {
    assert(ControlSpecOf(id) && ControlSpecOf(id)->kind == ControlKind::KeyCodes);
    SetCodes(id, KeyCodes::FromStored(stored, capacity));
}

void DialogModel::SetCodes(int id, KeyCodes codes) {
    ShowText(id, KeyCodeText(context_, codes));
    keyCodes_.insert_or_assign(id, std::move(codes));
}

void DialogModel::OpenGrid(int box) {
    gridBox_ = box;
    Control(box).gridOpen = true;
    OpenDialog(std::make_unique<GridDialog>(context_, keyCodes_.at(box)));
}

void DialogModel::SubDialogClosed(DialogModel& dialog, bool accepted) {
    if (gridBox_ != 0) {
        // While a key-code box's grid is open it is the only dialog over this one.
        if (accepted) SetCodes(gridBox_, static_cast<GridDialog&>(dialog).Codes());
        Control(std::exchange(gridBox_, 0)).gridOpen = false;
    }
    OnDialogClosed(dialog, accepted);
    LoadControls();
}

void DialogModel::Cancel() {
    for (const Backup& backup : backups_) std::copy(backup.bytes.begin(), backup.bytes.end(), backup.record.begin());
    Rejected();
}

EventError DialogModel::Usable(int id, ControlKind kind) const {
    const ControlSpec* controlSpec = ControlSpecOf(id);
    if (!controlSpec) return EventError::UnknownControl;
    const ControlState& state = states_.at(id);
    if (!state.enabled || !state.visible) return EventError::Disabled;
    return controlSpec->kind == kind ? EventError::None : EventError::WrongKind;
}

void DialogModel::AfterEvent() {
    for (auto& [id, binding] : bindings_) binding->Sync(states_.at(id));
    Update();
}

EventError DialogModel::SetText(int id, std::string_view utf8) {
    if (const EventError error = Usable(id, ControlKind::Edit); error != EventError::None) return error;
    ControlState& state = states_.at(id);
    state.text = std::string(utf8);
    if (const auto binding = bindings_.find(id); binding != bindings_.end()) binding->second->Edited(state);
    OnEdited(id);
    AfterEvent();
    return EventError::None;
}

EventError DialogModel::Choose(int id, int index) {
    const ControlSpec* controlSpec = ControlSpecOf(id);
    const ControlKind kind = controlSpec && controlSpec->kind == ControlKind::KeyGrid ? ControlKind::KeyGrid : ControlKind::Combo;
    if (const EventError error = Usable(id, kind); error != EventError::None) return error;
    ControlState& state = states_.at(id);
    if (index < 0 || index >= static_cast<int>(state.items.size())) return EventError::NoSuchItem;
    const int previous = std::exchange(state.selection, index);
    if (const auto binding = bindings_.find(id); binding != bindings_.end()) binding->second->Chosen(state);
    OnChosen(id, previous);
    AfterEvent();
    return EventError::None;
}

EventError DialogModel::Click(int id) {
    const ControlSpec* controlSpec = ControlSpecOf(id);
    if (!controlSpec) return EventError::UnknownControl;
    const ControlKind kind = controlSpec->kind;
    if (kind != ControlKind::Check && kind != ControlKind::Radio && kind != ControlKind::Button &&
        kind != ControlKind::KeyCodes) {
        return EventError::WrongKind;
    }
    if (const EventError error = Usable(id, kind); error != EventError::None) return error;
    if (kind == ControlKind::KeyCodes) OpenGrid(id);
    if (const auto binding = bindings_.find(id); binding != bindings_.end()) binding->second->Clicked(states_.at(id));
    OnClicked(id);
    AfterEvent();
    return EventError::None;
}

EventError DialogModel::FocusOut(int id) {
    const ControlSpec* controlSpec = ControlSpecOf(id);
    if (!controlSpec) return EventError::UnknownControl;
    if (const EventError error = Usable(id, controlSpec->kind); error != EventError::None) return error;
    OnFocusLost(id);
    AfterEvent();
    return EventError::None;
}

}  // namespace editors
