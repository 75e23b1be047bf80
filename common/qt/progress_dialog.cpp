#include "common/qt/progress_dialog.h"

#include <algorithm>

#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include "common/qt/qt_text.h"
#include "common/qt/text_room.h"

namespace qtui {
namespace {

// Paint what changed, but take no clicks or keys: the transfer that is
// running must not be re-entered by a command from the user.
void PaintNow() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

}  // namespace

ProgressDialog::ProgressDialog(QWidget* owner, const common::ProgressLook& look)
    : dialog_(new QDialog(owner, Qt::Dialog | Qt::WindowStaysOnTopHint)) {
    dialog_->setObjectName(QString::fromStdString(look.templateName));
    dialog_->setWindowTitle(FromCp1251(look.caption));
    dialog_->setModal(false);
    auto* text = new QLabel(FromCp1251(look.label), dialog_);
    if (look.labelId != 0) text->setProperty("controlId", look.labelId);
    bar_ = new QProgressBar(dialog_);
    if (look.barId != 0) bar_->setProperty("controlId", look.barId);
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

void ProgressDialog::SetRange(int minimum, int maximum) {
    if (!bar_) return;
    bar_->setRange(minimum, maximum);
    PaintNow();
}

void ProgressDialog::SetPosition(int position) {
    if (!bar_) return;
    bar_->setValue(std::clamp(position, bar_->minimum(), bar_->maximum()));
    PaintNow();
}

}  // namespace qtui
