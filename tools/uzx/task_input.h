#pragma once
// The task file a command names, read as the designer opens one: older
// layouts are brought up to date (with the designer's warning), and a file
// that is not a task file is refused with the designer's own message on
// stderr, the same words for every command.
#include <string>

#include "common/console_ui.h"
#include "common/text/string_table.h"
#include "designer/task/defaults.h"
#include "designer/task/task_model.h"

namespace uzx {

// False when the file was refused; what went wrong is on stderr.
bool ReadTaskArgument(const std::string& path, task::Task& into, const task::DefaultTexts& texts,
                      text::StringTable& strings, common::ConsoleUi& ui);

}  // namespace uzx
