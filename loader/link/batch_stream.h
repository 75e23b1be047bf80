#pragma once
// What a batch terminal receives for a task: the task file written for the
// terminal's model, streamed without its identifier and reserved bytes, with
// every text entry space-padded to its width and the start-up settings in
// the terminal's numbering.
#include <cstddef>
#include <vector>

#include "loader/batch_task.h"

namespace loader {

constexpr int kBatchBlocks = 200;  // HowCikl of modes 1 and 2

// The loader counts the bytes it has streamed, p, and compares p + 10 with
// these: the text tables begin once p + 10 passes MenuOffset (at p = 16039),
// the start-up settings where p + 10 equals SettigsOffset (p = 18562 in the
// mixed layout of the 8000 and 8300, p = 18887 in the wide layout).
constexpr std::size_t kMenuOffset = 16048;
constexpr std::size_t kMixedSettigsOffset = 18572;
constexpr std::size_t kWideSettigsOffset = 18897;

// The 200 blocks' bytes (20000) for a terminal of `terminal`'s model. The
// file is that of `WriteTaskFile` for the model, built in memory; `task`
// itself is not changed.
std::vector<Byte> BuildBatchStream(const BatchTask& task, BatchModel terminal);

}  // namespace loader
