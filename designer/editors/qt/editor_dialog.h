#pragma once
// A sub-dialog of the property sheet: its view, OK and Cancel. OK and Cancel
// (Esc and closing the window too) go to the sheet, which decides whether
// the dialog closes; the window closes when its model has.
#include <functional>

#include <QDialog>

#include "designer/editors/qt/dialog_view.h"
#include "designer/editors/property_sheet.h"

namespace editors {

class EditorDialog final : public QDialog {
public:
    // `depth` is the dialog's place among the sheet's open dialogs.
    EditorDialog(PropertySheet& sheet, std::size_t depth, std::function<void()> afterEvent, QWidget* parent);

    void Refresh() { view_->Refresh(); }
    void accept() override;
    void reject() override;

private:
    PropertySheet& sheet_;
    std::size_t depth_;
    DialogView* view_;
};

}  // namespace editors
