#include "designer/task/open_save.h"

#include "common/cp1251.h"
#include "common/native_path.h"
#include "designer/task/task_file.h"

namespace task {
namespace {

void ShowError(shell::Strings& strings, common::UiPort& ui, const std::string& text) {
    ui.ShowMessage(strings.Lookup(kErrorCaption, shell::LookupKind::Caption), text, common::MessageIcon::Warning);
}

}  // namespace

std::string UpgradeWarningText() {
    return common::Utf8ToCp1251("Задача преобразована в новый формат.\r\nПожалуйста, сохраните новую версию!");
}

bool OpenTaskFile(Task& task, const std::string& path, const DefaultTexts& texts, shell::Strings& strings,
                  common::UiPort& ui) {
    const ReadResult result = ReadTaskFile(path, texts, task.model);
    switch (result.status) {
        case ReadStatus::CannotOpen:
            return false;
        case ReadStatus::FormatMismatch:
            ShowError(strings, ui, strings.Lookup(kFormatMismatchText));
            return false;
        case ReadStatus::TooShort:
            ShowError(strings, ui, strings.Lookup(kTooShortText));
            return false;
        case ReadStatus::Ok:
            break;
    }
    task.currentPath = result.olderLayout ? std::string() : path;
    task.modified = false;
    if (result.upgraded) {
        ui.ShowMessage(strings.Lookup(kWarningCaption, shell::LookupKind::Caption), UpgradeWarningText(),
                       common::MessageIcon::Warning);
    }
    return true;
}

bool SaveTaskFile(Task& task, shell::Strings& strings, common::UiPort& ui) {
    if (task.currentPath.empty()) return false;
    const WriteResult result = WriteTaskFile(task.currentPath, task.model);
    if (!result.ok) {
        ShowError(strings, ui, strings.Lookup(kSaveFailedText) + "\r\n" + common::NativePathToCp1251(task.currentPath) + "\r\n" +
                                   common::Utf8ToCp1251(result.error));
        return false;
    }
    task.modified = false;
    return true;
}

}  // namespace task
