#pragma once
// Every block of a task, field by field with readable names, as a document.
#include "designer/task/task_model.h"
#include "tools/uzx/document.h"

namespace uzx {

Node DescribeTask(const task::TaskModel& model);

}  // namespace uzx
