#include "designer/editors/qt/editor_dialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "designer/editors/qt/ok_cancel_buttons.h"

namespace editors {

EditorDialog::EditorDialog(PropertySheet& sheet, std::size_t depth, std::function<void()> afterEvent,
                           QWidget* parent)
    : QDialog(parent), sheet_(sheet), depth_(depth) {
    DialogModel& model = sheet.Dialog(depth);
    setObjectName(QString::fromStdString(model.TemplateName()));
    setWindowTitle(QString::fromStdString(model.Title()));
    auto* layout = new QVBoxLayout(this);
    view_ = new DialogView(model, std::move(afterEvent), this);
    view_->setObjectName(QString());  // the dialog carries the template name
    layout->addWidget(view_);
    layout->addWidget(MakeOkCancelButtons(sheet.OkText(), sheet.CancelText(), this));
}

void EditorDialog::accept() {
    sheet_.Ok();
    if (sheet_.DialogCount() <= depth_) QDialog::accept();
}

void EditorDialog::reject() {
    sheet_.Cancel();
    QDialog::reject();
}

}  // namespace editors
