#include "designer/editors/script_runner.h"

namespace editors {
namespace {

using Kind = ScriptAction::Kind;
using Check = ScriptAction::Check;

// The sheet's and the dialogs' OK and Cancel buttons.
constexpr int kOkButton = 1;
constexpr int kCancelButton = 2;

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::optional<std::string> CheckExpectation(const DialogModel& dialog, const ScriptAction& action) {
    const ControlSpec* controlSpec = dialog.ControlSpecOf(action.id);
    if (!controlSpec) return DescribeError(EventError::UnknownControl, action.id) + " in " + dialog.TemplateName();
    const ControlState& state = *dialog.State(action.id);
    const std::string control = "control " + std::to_string(action.id);
    switch (action.check) {
        case Check::Enabled:
            if (!state.enabled) return control + " is disabled";
            break;
        case Check::Disabled:
            if (state.enabled) return control + " is enabled";
            break;
        case Check::Checked:
            if (!state.checked) return control + " is not checked";
            break;
        case Check::Unchecked:
            if (state.checked) return control + " is checked";
            break;
        case Check::Text: {
            const std::string shown = ShownText(*controlSpec, state);
            if (shown != action.text) return control + " shows " + Quoted(shown) + ", not " + Quoted(action.text);
            break;
        }
        case Check::Item:
            if (state.selection != action.number) {
                return control + " has item " + std::to_string(state.selection) + " selected, not " +
                       std::to_string(action.number);
            }
            break;
    }
    return std::nullopt;
}

std::optional<std::string> Perform(PropertySheet& sheet, const ScriptAction& action, ScriptUi& ui) {
    if (action.kind == Kind::File) {
        ui.AnswerNextFileChooser(action.text);
        return std::nullopt;
    }
    if (!sheet.IsOpen()) return "the property sheet is closed";
    DialogModel& active = sheet.Active();
    const bool inDialog = sheet.DialogCount() > 0;
    EventError error = EventError::None;
    switch (action.kind) {
        case Kind::Page: {
            if (inDialog) return "the dialog " + active.TemplateName() + " is open";
            const int page = sheet.FindPage(action.text);
            if (page < 0) return "there is no page " + action.text;
            sheet.ShowPage(page);
            return std::nullopt;
        }
        case Kind::Set: error = active.SetText(action.id, action.text); break;
        case Kind::Choose: error = active.Choose(action.id, action.number); break;
        case Kind::Click:
            if (inDialog && action.id == kOkButton) {
                sheet.Ok();
            } else if (inDialog && action.id == kCancelButton) {
                sheet.Cancel();
            } else {
                error = active.Click(action.id);
            }
            break;
        case Kind::FocusOut: error = active.FocusOut(action.id); break;
        case Kind::Grid: {
            const ControlSpec* grid = FindGrid(active);
            if (!grid) return "there is no grid in " + active.TemplateName();
            if (active.Choose(grid->id, action.number) != EventError::None) {
                return "there is no key code " + std::to_string(action.number) + " in the grid";
            }
            return std::nullopt;
        }
        case Kind::Ok: sheet.Ok(); break;
        case Kind::Cancel: sheet.Cancel(); break;
        case Kind::Expect: return CheckExpectation(active, action);
        case Kind::File: break;
    }
    if (error != EventError::None) return DescribeError(error, action.id) + " in " + active.TemplateName();
    return std::nullopt;
}

}  // namespace

const ControlSpec* FindGrid(const DialogModel& dialog) {
    for (const ControlSpec& controlSpec : dialog.Controls()) {
        if (controlSpec.kind == ControlKind::KeyGrid) return &controlSpec;
    }
    return nullptr;
}

std::string ShownText(const ControlSpec& controlSpec, const ControlState& state) {
    if (controlSpec.kind != ControlKind::Combo && controlSpec.kind != ControlKind::KeyGrid) return state.text;
    if (state.selection < 0 || state.selection >= static_cast<int>(state.items.size())) return {};
    return state.items[static_cast<std::size_t>(state.selection)];
}

std::optional<ScriptError> RunScript(PropertySheet& sheet, const std::vector<ScriptAction>& actions, ScriptUi& ui) {
    for (const ScriptAction& action : actions) {
        if (std::optional<std::string> failure = Perform(sheet, action, ui)) {
            return ScriptError{action.line, std::move(*failure)};
        }
    }
    return std::nullopt;
}

void CloseSheet(PropertySheet& sheet) {
    while (sheet.IsOpen()) sheet.Cancel();
}

}  // namespace editors
