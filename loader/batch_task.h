#pragma once
// A batch task as the loader holds it: the designer's blocks, read from a
// file of any of the seven models, with TerminalTexts kept in both layouts.
#include "designer/task/task_model.h"
#include "loader/batch_models.h"
#include "loader/text_layouts.h"

namespace loader {

struct BatchTask {
    // Every block as read; blocks.texts is the MixedTextLayout copy of the texts.
    task::TaskModel blocks;
    WideTexts wideTexts{};  // the WideTextLayout copy
    // The model whose file this was: the transfer menus are renumbered from
    // its menus, whatever identifier the task carries by then.
    BatchModel sourceModel = BatchModel::M8300;

    bool operator==(const BatchTask&) const = default;
};

}  // namespace loader
