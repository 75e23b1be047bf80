#pragma once
// Runs an edit script against an open property sheet, as a user would work
// it: the first action that cannot be done (an unknown or disabled control,
// an item out of range, an expectation that does not hold) stops the run.
#include <optional>
#include <vector>

#include "designer/editors/edit_script.h"
#include "designer/editors/property_sheet.h"
#include "designer/editors/script_ui.h"

namespace editors {

std::optional<ScriptError> RunScript(PropertySheet& sheet, const std::vector<ScriptAction>& actions, ScriptUi& ui);

// Cancels every open dialog and then the sheet, as closing its window does.
void CloseSheet(PropertySheet& sheet);

// The text `expect ID text` compares: an edit box's text, a list's selected
// item (empty for none), the name in the grid's selected cell, any other
// control's caption.
std::string ShownText(const ControlSpec& controlSpec, const ControlState& state);

// The key-code grid of `dialog`; null when it has none.
const ControlSpec* FindGrid(const DialogModel& dialog);

}  // namespace editors
