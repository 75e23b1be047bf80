#pragma once
// The Startup page's working copy of the texts of the built-in screens:
// every entry of the 27 TerminalTexts tables and the five start-up texts of
// StartupSettings, each widened to a 21-byte slot whatever its table's width.
#include <array>
#include <vector>

#include "designer/editors/startup_screens.h"
#include "designer/task/defaults.h"
#include "designer/task/slot_text.h"
#include "designer/task/task_model.h"

namespace editors {

class ScreenTexts {
public:
    ScreenTexts();

    // Every entry from the task's blocks.
    void Load(const task::TaskModel& model);
    // Every entry into the task's blocks, cut to its table's width with a
    // zero after it and in the rest of the slot, so no text runs into the next.
    void Store(task::TaskModel& model) const;

    task::Slot Entry(screens::TextEntry entry);
    task::ConstSlot Entry(screens::TextEntry entry) const;

    // Every entry that has a default of both widths gets the one of the
    // chosen width; the others stay as they are.
    void ApplyWidth(const task::DefaultTexts& defaults, bool narrow);

private:
    std::size_t Index(screens::TextEntry entry) const;

    std::vector<std::array<task::Byte, task::kWideSlot>> entries_;
};

// The string id of an entry's default text for the width; 0 for none.
int DefaultTextId(screens::TextEntry entry, bool narrow);

}  // namespace editors
