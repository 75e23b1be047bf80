#pragma once
// Task files of the older 7xx family: smaller records, a combined barcode and
// keyboard-wedge block and 18 text tables. They are only ever read, and
// converted field by field into the current model.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "designer/task/task_model.h"

namespace task {

constexpr std::size_t kOlderFileSize = 10510;  // signature included
constexpr std::size_t kOlderSignatureSize = 8;

// Fills `model` from a whole 7xx file of at least kOlderFileSize bytes.
// Bytes no rule names keep what `model` held, so the caller passes a new task.
void ConvertOlderLayout(const std::vector<std::uint8_t>& file, TaskModel& model);

}  // namespace task
