#pragma once
// Runs the task property sheet modally over `owner`, as Edit does (and New
// and Open after them). Returns whether the user pressed OK; the pages have
// committed by then and the task is marked modified.
#include "common/ui_port.h"
#include "designer/shell/strings.h"
#include "designer/task/defaults.h"
#include "designer/task/task_model.h"

class QWidget;

namespace editors {

bool RunPropertySheet(task::Task& task, shell::Strings& strings, common::UiPort& ui,
                      const task::DefaultTexts& defaults, QWidget* owner);

}  // namespace editors
