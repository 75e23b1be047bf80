#pragma once
// The calculator's entry in the terminal's system menu carries its item
// number as its first character. The menu has seven items, or eight when the
// first lookup file is defined and "Load Lookup File" joins them, and the
// calculator comes after the last: so its number follows the task's lookups.
// The entry is the first of the five start-up texts (StartupSettings offset
// 150, "8. Calculator       " in a new task).
#include "designer/task/slot_text.h"
#include "designer/task/task_model.h"

namespace task {

// '9' when the system menu has eight items (see SystemMenuLines), else '8'.
char CalculatorDigit(const TaskModel& model);

// Puts `digit` as the first character of a calculator entry that is numbered
// '8' or '9'; an entry the user numbered otherwise, or emptied, is left alone.
void NumberCalculatorEntry(Slot entry, char digit);

// The task's own entry numbered after the task's lookups.
void NumberCalculatorEntry(TaskModel& model);

}  // namespace task
