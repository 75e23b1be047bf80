#pragma once
// What every page and dialog of the property sheet works with: the live task,
// the texts in the user's language, the user (messages, file choosers) and the
// sheet, which opens sub-dialogs.
#include <functional>
#include <memory>
#include <string>

#include "common/text/string_table.h"
#include "common/ui_port.h"
#include "designer/task/defaults.h"
#include "designer/task/task_model.h"

namespace editors {

class DialogModel;

// Opens a sub-dialog over `owner`; the dialog stays the current one until its
// OK or Cancel, after which the owner hears how it closed.
class DialogHost {
public:
    virtual ~DialogHost() = default;
    virtual void Open(std::unique_ptr<DialogModel> dialog, DialogModel& owner) = 0;
};

class EditorContext {
public:
    EditorContext(task::Task& task, text::StringTable& strings, common::UiPort& ui, const task::DefaultTexts& defaults,
                  DialogHost& dialogs)
        : task_(task), strings_(strings), ui_(ui), defaults_(defaults), dialogs_(dialogs) {}

    // The task as it is now. Pages read their working copies from it when
    // they are first shown and write them back on the sheet's OK.
    const task::TaskModel& Live() const { return task_.model; }
    task::Task& LiveTask() { return task_; }

    // For the dialogs whose OK writes into the task at once, whatever the
    // sheet's OK or Cancel does later: the write marks the task modified, so
    // it is never lost on exit without a save prompt.
    void WriteLive(const std::function<void(task::TaskModel&)>& write);

    // The text of string `id` in the user's language, as UTF-8.
    std::string Text(int id);
    // A caption, title or label read directly (a language's entry, else the
    // built-in one, never filling a language slot); UTF-8.
    std::string DirectText(int id) const;

    // A message box with caption and text from the string table.
    void ShowMessage(int captionId, int textId, common::MessageIcon icon);

    common::UiPort& Ui() { return ui_; }
    const task::DefaultTexts& DefaultTexts() const { return defaults_; }
    DialogHost& Dialogs() { return dialogs_; }

private:
    task::Task& task_;
    text::StringTable& strings_;
    common::UiPort& ui_;
    const task::DefaultTexts& defaults_;
    DialogHost& dialogs_;
};

}  // namespace editors
