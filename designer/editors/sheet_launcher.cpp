#include "designer/editors/sheet_launcher.h"

#include "designer/editors/property_sheet_dialog.h"

namespace editors {

bool RunPropertySheet(task::Task& task, text::StringTable& strings, common::UiPort& ui,
                      const task::DefaultTexts& defaults, QWidget* owner) {
    PropertySheet sheet(task, strings, ui, defaults);
    PropertySheetDialog window(sheet, owner);
    window.exec();
    return sheet.Accepted();
}

}  // namespace editors
