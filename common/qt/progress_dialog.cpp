#include "common/qt/progress_dialog.h"

#include <algorithm>

#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include "common/qt/text_room.h"

namespace qtui {
namespace {

// Paint what changed, but take no clicks or keys: the transfer that is
// running must not be re-entered by a command from the user.
void PaintNow() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

}  // namespace

ProgressDialog::ProgressDialog(QWidget* owner, const QString& caption, const QString& label)
    : dialog_(new QDialog(owner, Qt::Dialog | Qt::WindowStaysOnTopHint)) {
    dialog_->setObjectName(QStringLiteral("ProgressDlg"));
    dialog_->setWindowTitle(caption);
    dialog_->setModal(false);
    auto* text = new QLabel(label, dialog_);
    text->setProperty("controlId", 901);
    bar_ = new QProgressBar(dialog_);
    bar_->setProperty("controlId", 870);
    bar_->setRange(0, 100);
    bar_->setValue(0);
    auto* layout = new QVBoxLayout(dialog_);
    layout->addWidget(text);
    layout->addWidget(bar_);
    dialog_->setMinimumWidth(260);
    MakeRoomForTexts(*dialog_);
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
    PaintNow();
}

ProgressDialog::~ProgressDialog() { delete dialog_; }

void ProgressDialog::SetPosition(int percent) {
    if (!bar_) return;
    bar_->setValue(std::clamp(percent, 0, 100));
    PaintNow();
}

}  // namespace qtui
