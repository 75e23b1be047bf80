#include "designer/editors/qt/property_sheet_dialog.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "designer/editors/qt/dialog_view.h"
#include "designer/editors/qt/editor_dialog.h"
#include "designer/editors/qt/ok_cancel_buttons.h"
#include "designer/editors/qt/sheet_icon.h"

namespace editors {

PropertySheetDialog::PropertySheetDialog(PropertySheet& sheet, QWidget* parent)
    : QDialog(parent), sheet_(sheet), pages_(static_cast<std::size_t>(sheet.PageCount()), nullptr) {
    setObjectName(QStringLiteral("PropertySheet"));
    setWindowTitle(QString::fromStdString(sheet.Caption()));
    setWindowIcon(SheetIcon());
    auto* layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    for (int i = 0; i < sheet.PageCount(); ++i) {
        auto* page = new QWidget(tabs_);
        page->setObjectName(QString::fromUtf8(sheet.PageTemplate(i)));
        new QVBoxLayout(page);
        tabs_->addTab(page, QString::fromStdString(sheet.PageTitle(i)));
    }
    layout->addWidget(tabs_);
    layout->addWidget(MakeOkCancelButtons(sheet.OkText(), sheet.CancelText(), this));
    ShowPage(sheet.CurrentPage());
    connect(tabs_, &QTabWidget::currentChanged, this, &PropertySheetDialog::ShowPage);
}

void PropertySheetDialog::ShowPage(int index) {
    sheet_.ShowPage(index);
    DialogView*& view = pages_[static_cast<std::size_t>(index)];
    if (!view) {
        QWidget* page = tabs_->widget(index);
        view = new DialogView(*sheet_.Page(index), [this] { Sync(); }, page);
        view->setObjectName(QString());  // the tab's page carries the template name
        page->layout()->addWidget(view);
        view->show();  // a widget added to a shown page would only be shown on a later turn of the event loop
    }
    view->Refresh();
}

void PropertySheetDialog::Sync() {
    pages_[static_cast<std::size_t>(sheet_.CurrentPage())]->Refresh();
    for (EditorDialog* dialog : dialogs_) dialog->Refresh();
    while (sheet_.DialogCount() > dialogs_.size()) {
        QWidget* owner = dialogs_.empty() ? static_cast<QWidget*>(this) : dialogs_.back();
        EditorDialog dialog(sheet_, dialogs_.size(), [this] { Sync(); }, owner);
        dialogs_.push_back(&dialog);
        dialog.exec();
        dialogs_.pop_back();
        // Closing a dialog may change what its owner shows (Cancel restores a record).
        pages_[static_cast<std::size_t>(sheet_.CurrentPage())]->Refresh();
        for (EditorDialog* open : dialogs_) open->Refresh();
    }
}

void PropertySheetDialog::accept() {
    sheet_.Ok();
    if (!sheet_.IsOpen()) QDialog::accept();
}

void PropertySheetDialog::reject() {
    sheet_.Cancel();
    QDialog::reject();
}

}  // namespace editors
