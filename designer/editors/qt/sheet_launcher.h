#pragma once
// Runs the task property sheet modally over `owner`, as Edit does (and New
// and Open after them). Returns whether the user pressed OK; the pages have
// committed by then and the task is marked modified.
#include "common/text/string_table.h"
#include "common/ui_port.h"
#include "designer/task/defaults.h"
#include "designer/task/task_model.h"

class QWidget;

namespace editors {

bool RunPropertySheet(task::Task& task, text::StringTable& strings, common::UiPort& ui,
                      const task::DefaultTexts& defaults, QWidget* owner);

}  // namespace editors
