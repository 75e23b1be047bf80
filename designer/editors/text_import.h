#pragma once
// The Startup page's import of the built-in screens' texts from another task
// file. The file is read whole into a scratch task with the designer's own
// reader, so nothing of it reaches the task being edited unless all of it
// was there; the path, the recent files and the settings are not touched.
#include <string>

#include "designer/task/defaults.h"
#include "designer/task/task_file.h"

namespace editors {

struct ImportedTask {
    task::ReadStatus status = task::ReadStatus::CannotOpen;
    task::TaskModel model;  // the file's blocks, brought up to the current revision; only with Ok
};

// Accepts files of the current layout whose first nine characters are this
// designer's firmware identifier or "8300-1.00"; the older 7xx layouts keep
// their texts another way and are refused as foreign.
ImportedTask ReadImportedTask(const std::string& path, const task::DefaultTexts& defaults);

}  // namespace editors
