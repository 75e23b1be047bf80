// The link core may not know the task.
#include "designer/task/task_model.h"
