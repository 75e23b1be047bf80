#pragma once
// The terminal numbers some of the settings' choices otherwise than the
// designer: the image a terminal receives carries the terminal's numbers,
// the task the designer's. One place holds both directions, so the image
// builder and its decoder cannot drift apart.
#include "designer/task/task_model.h"

namespace task {

// The settings blocks as the terminal counts: keyboard type from 1, the
// wedge's shift-lock type and digits layout moved up by one (0 stays, 3
// wraps to 0), program start 1 (form 1) or 11 (menu 1), the zero-based
// choices from 1 and the backlight idle time as its digit character.
TerminalSettings TerminalSettingsForTerminal(const TerminalSettings& settings);
StartupSettings StartupSettingsForTerminal(const StartupSettings& settings);

// Back to the designer's numbering.
TerminalSettings TerminalSettingsFromTerminal(const TerminalSettings& settings);
StartupSettings StartupSettingsFromTerminal(const StartupSettings& settings);

}  // namespace task
