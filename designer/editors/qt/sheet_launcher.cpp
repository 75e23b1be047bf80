#include "designer/editors/qt/sheet_launcher.h"

#include "designer/editors/qt/property_sheet_dialog.h"

namespace editors {

bool RunPropertySheet(task::Task& task, text::StringTable& strings, common::UiPort& ui,
                      const task::DefaultTexts& defaults, QWidget* owner) {
    PropertySheet sheet(task, strings, ui, defaults);
    PropertySheetDialog window(sheet, owner);
    window.exec();
    return sheet.Accepted();
}

}  // namespace editors
