#pragma once
// The property sheet's window: one tab per page (a page's widgets are made
// when it is first shown), OK and Cancel, no Apply. The window only
// translates: every rule, the commit and the sub-dialogs' life belong to the
// PropertySheet; a sub-dialog the model opens runs here modally.
#include <vector>

#include <QDialog>

#include "designer/editors/property_sheet.h"

class QTabWidget;

namespace editors {

class DialogView;
class EditorDialog;

class PropertySheetDialog final : public QDialog {
public:
    PropertySheetDialog(PropertySheet& sheet, QWidget* parent = nullptr);

    void accept() override;
    void reject() override;

private:
    void ShowPage(int index);
    // After every event: every open view shows its model again, and a
    // dialog the event opened runs now.
    void Sync();

    PropertySheet& sheet_;
    QTabWidget* tabs_;
    std::vector<DialogView*> pages_;
    std::vector<EditorDialog*> dialogs_;
};

}  // namespace editors
