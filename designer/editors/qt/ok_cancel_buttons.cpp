#include "designer/editors/qt/ok_cancel_buttons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace editors {

QDialogButtonBox* MakeOkCancelButtons(const std::string& okText, const std::string& cancelText, QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(dialog);
    QPushButton* ok = buttons->addButton(QString::fromStdString(okText), QDialogButtonBox::AcceptRole);
    ok->setProperty("controlId", 1);
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(QString::fromStdString(cancelText), QDialogButtonBox::RejectRole);
    cancel->setProperty("controlId", 2);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

}  // namespace editors
