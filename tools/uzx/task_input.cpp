#include "tools/uzx/task_input.h"

#include <iostream>

#include "designer/task/open_save.h"

namespace uzx {

bool ReadTaskArgument(const std::string& path, task::Task& into, const task::DefaultTexts& texts,
                      text::StringTable& strings, common::ConsoleUi& ui) {
    const int warningsBefore = ui.warnings;
    if (task::OpenTaskFile(into, path, texts, strings, ui)) return true;
    // A file that cannot be opened at all gets no message of the designer's.
    if (ui.warnings == warningsBefore) std::cerr << "uzx: cannot open " << path << '\n';
    return false;
}

}  // namespace uzx
