#pragma once
// Replays an edit script against the real widgets of the property sheet, as
// a user's typing and clicks: controls are found by the dialog's objectName
// (the template name) and their `controlId`, and every action goes through
// the widget's own signals. So the scripts that check the page models also
// check the wiring. A failing action, like in the core runner, stops the
// replay and names its line; the sheet is then closed, never left hanging.
#include <functional>
#include <optional>
#include <vector>

#include "designer/editors/edit_script.h"
#include "designer/editors/script_ui.h"

namespace editors::testing {

// `runSheet` opens the property sheet modally and returns when it is closed.
// File choosers answer through `ui`.
std::optional<ScriptError> ReplayScript(const std::vector<ScriptAction>& actions, ScriptUi& ui,
                                        const std::function<void()>& runSheet);

}  // namespace editors::testing
