#pragma once
// The designer's English table, its default texts and a new task made from
// them, built once for the targets that start from what New gives.
#include "designer/strings/english_table.h"
#include "designer/task/defaults.h"
#include "designer/task/task_model.h"

namespace fuzz {

struct NewTask {
    text::StringTable strings = strings::MakeStringTable();
    task::DefaultTexts defaults = task::LoadDefaultTexts(strings);
    task::TaskModel fresh;
    NewTask() { task::MakeNewTask(fresh, defaults); }
};

}  // namespace fuzz
