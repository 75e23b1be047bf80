#include "designer/task/task_model.h"
