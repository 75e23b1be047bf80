#pragma once
// Every block of a task, field by field with readable names, as a document.
#include "designer/task/task_model.h"
#include "loader/batch_task.h"
#include "tools/uzx/document.h"

namespace uzx {

Node DescribeTask(const task::TaskModel& model);

// A task read as the loader reads it: first the model and text layout of its
// file, then the blocks, the texts in that layout.
Node DescribeLoaderTask(const loader::BatchTask& task);

}  // namespace uzx
