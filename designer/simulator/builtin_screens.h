#pragma once
// The terminal's own screens, drawn from the task's TerminalTexts: the main
// menu, the upload screen, the system menu, program settings and the error
// screen shown over a form.
#include "designer/simulator/screen_buffer.h"
#include "designer/task/task_model.h"

namespace simulator {

constexpr int kMainMenuItems = 3;
constexpr int kFirstSettingsItem = 2;
constexpr int kSettingsItems = 8;

enum class EntryError { WrongType = 1, TooShort = 2 };

// `item` 0 for no highlight, else 1..3.
void ShowMainMenu(const task::TaskModel& model, int item, ScreenBuffer& screen);
void ShowUploadScreen(const task::TaskModel& model, ScreenBuffer& screen);
// `lines` is 7 or 8; `item` 1..lines.
void ShowSystemMenu(const task::TaskModel& model, int lines, int item, ScreenBuffer& screen);
// `item` 2..8.
void ShowProgramSettings(const task::TaskModel& model, int item, ScreenBuffer& screen);
// Lines 1 to 4 keep what the screen showed.
void ShowEntryError(const task::TaskModel& model, EntryError error, ScreenBuffer& screen);

}  // namespace simulator
