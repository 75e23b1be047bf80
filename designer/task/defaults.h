#pragma once
// What a new task holds: the texts of the terminal's built-in screens in the
// current language, and the default bytes of every block.
#include <map>
#include <string>

#include "designer/task/task_model.h"

namespace text {
class StringTable;
}

namespace task {

// The default texts of the built-in screens, by string id, each cut to the
// 15 or 20 characters of its screen line. Besides the texts a new task copies,
// they hold the 15-character variants the start-up page swaps in for the
// large font.
struct DefaultTexts {
    std::map<int, std::string> byId;

    // The text of `id`; empty when there is none.
    const std::string& Text(int id) const;
};

// The string id of the 15-character variant of a 20-character default text
// (of a text table or of the start-up texts); 0 when it has none.
int NarrowVariantOf(int wideId);

// Loaded through the localized lookup, so a language file replaces them.
DefaultTexts LoadDefaultTexts(text::StringTable& strings);

// A new task, every step in order: BarcodeSettings to their defaults (the
// few bits no editor owns keep what `model` held, as they do when the
// designer's New runs over an open task), then every other block to its
// new-task defaults, the texts from `texts`. What the task's path, modified
// flag and record counter become is the command's business.
void MakeNewTask(TaskModel& model, const DefaultTexts& texts);

// The WeightCodeSettings of a new task; also what old files are upgraded to.
void ResetWeightCodeDefaults(TaskModel& model);

// The five start-up texts at StartupSettings offset 150: the 20-character
// variants (ids 1741..1745), or the 15-character ones (1751..1755).
void SetExtraTexts(TaskModel& model, const DefaultTexts& texts, bool narrow);

}  // namespace task
