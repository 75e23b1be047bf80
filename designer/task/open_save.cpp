#include "designer/task/open_save.h"

#include "common/cp1251.h"
#include "common/native_path.h"
#include "designer/strings/string_ids.h"
#include "designer/task/task_file.h"

namespace task {
namespace {

namespace id = strings::id;

void ShowError(text::StringTable& strings, common::UiPort& ui, const std::string& message) {
    ui.ShowMessage(strings.Lookup(id::kErrorCaption, text::LookupKind::Caption), message, common::MessageIcon::Warning);
}

}  // namespace

std::string UpgradeWarningText() {
    return common::Utf8ToCp1251("Задача преобразована в новый формат.\r\nПожалуйста, сохраните новую версию!");
}

bool OpenTaskFile(Task& task, const std::string& path, const DefaultTexts& texts, text::StringTable& strings,
                  common::UiPort& ui) {
    const ReadResult result = ReadTaskFile(path, texts, task.model);
    switch (result.status) {
        case ReadStatus::CannotOpen:
            return false;
        case ReadStatus::FormatMismatch:
            ShowError(strings, ui, strings.Lookup(id::kFormatMismatch));
            return false;
        case ReadStatus::TooShort:
            ShowError(strings, ui, strings.Lookup(id::kFileTooShort));
            return false;
        case ReadStatus::Ok:
            break;
    }
    task.currentPath = result.olderLayout ? std::string() : path;
    // An upgraded or converted task differs from every file on disk: closing
    // must offer to save it, as the upgrade warning asks.
    task.modified = result.upgraded || result.olderLayout;
    if (result.upgraded) {
        ui.ShowMessage(strings.Lookup(id::kWarningCaption, text::LookupKind::Caption), UpgradeWarningText(),
                       common::MessageIcon::Warning);
    }
    return true;
}

bool SaveTaskFile(Task& task, text::StringTable& strings, common::UiPort& ui) {
    if (task.currentPath.empty()) return false;
    const WriteResult result = WriteTaskFile(task.currentPath, task.model);
    if (!result.ok) {
        ShowError(strings, ui,
                  strings.Lookup(id::kSaveFailed) + "\r\n" + common::NativePathToCp1251(task.currentPath) + "\r\n" +
                      common::Utf8ToCp1251(result.error));
        return false;
    }
    task.modified = false;
    return true;
}

}  // namespace task
