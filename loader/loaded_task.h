#pragma once
// The task a load sends: a batch task or a radio task, as read from its file.
// Every attempt of a download starts again from this, so a retried download
// sends the same bytes as the first one.
#include <optional>
#include <string>
#include <variant>

#include "common/ui_port.h"
#include "loader/batch_task.h"
#include "loader/command_line.h"
#include "loader/radio_task.h"

namespace loader {

using LoadedTask = std::variant<BatchTask, RadioTask>;

// Reads `path` with the reader of `kind`; the reader tells the user why a
// file is refused.
std::optional<LoadedTask> ReadTaskForLoad(const std::string& path, TaskKind kind, common::UiPort& ui);

// The identifier at the start of the task's file (a batch task's with its
// layout version read as 004).
FirmwareId SignatureOf(const LoadedTask& task);

}  // namespace loader
