#pragma once
// Opening and saving the task on the user's behalf: the file operations of
// task_file.h with the messages the user sees when they fail.
#include <string>

#include "common/text/string_table.h"
#include "common/ui_port.h"
#include "designer/task/defaults.h"
#include "designer/task/task_model.h"

namespace task {

// The warning after an earlier layout revision was brought up to date; it has
// no string id and is shown in Russian whatever the language. Windows-1251.
std::string UpgradeWarningText();

// Reads the file at `path` into the task. On failure the task is untouched:
// a file that cannot be opened fails silently, a foreign file shows
// "Format mismatch !!!", a truncated one says so. On success the task holds
// the file's content and its path is `path` -- except for a converted 7xx
// file, whose path is cleared so the next Save asks for a name. It is
// unmodified unless it was upgraded or converted on the way in.
// A caller keeping a recent-files list adds the path when it is not empty.
bool OpenTaskFile(Task& task, const std::string& path, const DefaultTexts& texts, text::StringTable& strings,
                  common::UiPort& ui);

// Saves a named task to its path. On success the task is unmodified; on
// failure the file on disk is left as it was, the task stays modified and the
// user is told what failed. Returns false at once for a task without a path.
bool SaveTaskFile(Task& task, text::StringTable& strings, common::UiPort& ui);

}  // namespace task
