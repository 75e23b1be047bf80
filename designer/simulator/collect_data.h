#pragma once
// Collect data: the counts the terminal program works from, recomputed from
// the task's menus and forms before the task is started.
#include "designer/task/task_model.h"

namespace simulator {

// Every menu's item count (byte 247); every form's line settings that its
// field types cannot use, and its count of lines up to the last input line (byte 1013).
void RecountTask(task::TaskModel& model);

// What the task starts with, from the counts.
enum class StartPoint { Nothing, FirstMenu, FirstForm };
StartPoint FindStartPoint(const task::TaskModel& model);

}  // namespace simulator
