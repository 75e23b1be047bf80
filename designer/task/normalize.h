#pragma once
// Passes that bring the forms and menus into the shape the simulator and the
// terminal expect. Each works on the model in place.
#include "designer/task/task_model.h"

namespace task {

// Run after the form page commits and before the simulator starts: cuts
// prompts to the form's width, gives extension lines the lengths left over by
// the line they continue, and clears the settings of unused and extension
// lines. Returns the number of lines of the terminal's system menu, which is
// simulator state, not a task byte: see SystemMenuLines.
int NormalizeForms(TaskModel& model);

// 8 when the first lookup file is defined (record length and number of
// fields both set), so the system menu offers "Load Lookup File"; else 7.
int SystemMenuLines(const TaskModel& model);

// The form page's commit pass, also run before every download: large-font
// forms lose lines 5 to 8, lengths are kept within 80 and minimum within
// maximum, and lines that cannot hold a prompt or a lookup field lose it.
void ClampFormFields(TaskModel& model);

// Run before every download: menu captions and items space-padded to their
// width, each menu's count of filled items, each form's count of lines up to
// its last input line. The changes stay in the task.
void PadMenusAndCountLines(TaskModel& model);

}  // namespace task
