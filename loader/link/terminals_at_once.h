#pragma once
// Loading one task into a rack of terminals at once: each terminal on its
// own port and thread, with its own clock, user port and copy of the task,
// so one terminal's failure or retry never stops or slows another.
#include <functional>
#include <memory>
#include <vector>

#include "common/ui_port.h"
#include "loader/link/loader_transfer.h"

namespace loader {

struct TerminalLoad {
    int portNumber = 0;
    TransferOutcome outcome;
    double seconds = 0;  // from opening the port to closing it
};

// Loads `task` as from the command line into the terminal on each port of
// `portNumbers`, over `target`'s speed and link. `uiFor` gives each terminal
// its user port; `finished` hears each terminal as it ends, one at a time.
// Returns every terminal's load in the order of `portNumbers`.
std::vector<TerminalLoad> LoadTerminalsAtOnce(const LoadedTask& task, const LoadTarget& target,
                                              const std::vector<int>& portNumbers,
                                              const std::function<std::unique_ptr<common::UiPort>(int)>& uiFor,
                                              const std::function<void(const TerminalLoad&)>& finished);

}  // namespace loader
