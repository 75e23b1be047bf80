#pragma once
// What the loader sends a terminal, chosen by the identifier the terminal
// answered the handshake with: batch terminals of the mixed text layout get
// the task's stream in mode 1, those of the wide layout in mode 2, and radio
// terminals the radio image in mode 3.
#include <optional>
#include <vector>

#include "loader/link/handshake_reply.h"
#include "loader/loaded_task.h"

namespace loader {

enum class LoaderMode { MixedBatch = 1, WideBatch = 2, Radio = 3 };

// The mode a terminal that answered `terminal` is served in; nothing when it
// cannot take the task: a batch task goes only to one of the seven batch
// terminals, a radio task only to a terminal that is none of them.
std::optional<LoaderMode> ChooseLoaderMode(const LoadedTask& task, const FirmwareId& terminal);

struct LoaderImage {
    LoaderMode mode = LoaderMode::MixedBatch;
    int blocks = 0;           // HowCikl: 200, or 182 / 50 for a large / small radio task
    std::vector<Byte> bytes;  // blocks × 100, in the order they are sent
};

// The bytes the task's blocks carry to a terminal that answered `terminal`;
// nothing when the mode does not fit the task. Prepared afresh from `task`
// on every call, which is left as it is.
std::optional<LoaderImage> BuildLoaderImage(const LoadedTask& task, const FirmwareId& terminal);

}  // namespace loader
