#pragma once
// The terminal's own menus for loading a task and for uploading data differ
// from model to model, and so do the numbers of their items.
#include "loader/batch_task.h"

namespace loader {

// Prepares `task` (a copy about to be written) for `target`: text tables 10
// (download menu) and 9 (upload menu) get the target's texts in the layout
// the target takes, and the chosen items DownloadVia and UploadVia of
// StartupSettings are renumbered from the source model's menus to the target's.
void RebuildTransferMenus(BatchTask& task, BatchModel target);

}  // namespace loader
