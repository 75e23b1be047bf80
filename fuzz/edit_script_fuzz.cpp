// `uzx edit` scripts, parsed and played on the property sheet over a new
// task. A refused line is named within the script; a run that leaves the
// task unmodified leaves every byte of it as it was; whatever the sheet
// stores, the task file it gives reads back to the same task.
#include <algorithm>

#include "designer/editors/edit_script.h"
#include "designer/editors/property_sheet.h"
#include "designer/editors/script_runner.h"
#include "designer/task/task_file.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/new_task.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fuzz::Require;
    static const fuzz::NewTask newTask;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const editors::ParsedScript script = editors::ParseScript(text);
    if (script.error) {
        const auto lines = std::count(text.begin(), text.end(), '\n') + 1;
        Require(script.error->line >= 1 && script.error->line <= lines, "a refused line outside the script");
        Require(script.actions.empty(), "a refused script kept actions");
        return 0;
    }

    text::StringTable strings = newTask.strings;
    task::Task task;
    task.model = newTask.fresh;
    editors::ScriptUi ui([](const std::string&) {});
    {
        editors::PropertySheet sheet(task, strings, ui, newTask.defaults);
        editors::RunScript(sheet, script.actions, ui);
        editors::CloseSheet(sheet);
        Require(!sheet.IsOpen() && sheet.DialogCount() == 0, "the sheet or a dialog stayed open after closing");
    }
    if (!task.modified) Require(task.model == newTask.fresh, "an unmodified task changed");

    task::TaskModel back = newTask.fresh;
    const task::ReadResult read = task::DecodeTaskFile(task::EncodeTaskFile(task.model), newTask.defaults, back);
    Require(read.status == task::ReadStatus::Ok && !read.upgraded, "an edited task's file is refused or upgraded");
    Require(back == task.model, "an edited task's file reads back to another task");
    return 0;
}
