#include "loader/loaded_task.h"

#include "loader/task_files.h"

namespace loader {

std::optional<LoadedTask> ReadTaskForLoad(const std::string& path, TaskKind kind, common::UiPort& ui) {
    if (kind == TaskKind::Batch) {
        if (auto task = ReadTaskFile(path, ui)) return LoadedTask(std::move(*task));
    } else if (auto task = ReadRadioTaskFile(path, ui)) {
        return LoadedTask(std::move(*task));
    }
    return std::nullopt;
}

FirmwareId SignatureOf(const LoadedTask& task) {
    if (const auto* batch = std::get_if<BatchTask>(&task)) return batch->blocks.firmwareId;
    return std::get<RadioTask>(task).firmwareId;
}

}  // namespace loader
