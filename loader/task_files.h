#pragma once
// The loader's task files on the user's behalf: the readers tell the user
// why a file is refused, in the loader's Russian, under the program's name.
#include <optional>
#include <string>

#include "common/ui_port.h"
#include "loader/batch_task.h"
#include "loader/radio_task.h"

namespace loader {

// Reads a batch task file (*.UZX, *.A85) of any of the seven models. A file
// that cannot be opened, whose version or identifier is not supported, or
// that ends before its blocks do is refused with a message, and nothing is
// returned: the task the caller holds stays as it was.
std::optional<BatchTask> ReadTaskFile(const std::string& path, common::UiPort& ui);

// Reads a radio task file (*.ATF) in the variant its identifier names, with
// the same refusals.
std::optional<RadioTask> ReadRadioTaskFile(const std::string& path, common::UiPort& ui);

// Writes `task` as the file `target` receives (see EncodeBatchFile), safely:
// on any failure the file at `path` stays as it was. Returns whether it was
// written. The task itself is not changed.
bool WriteTaskFile(const std::string& path, const BatchTask& task, BatchModel target);

}  // namespace loader
