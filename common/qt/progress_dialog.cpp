#include "common/qt/progress_dialog.h"

#include <algorithm>
#include <functional>
#include <utility>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/qt/qt_text.h"
#include "common/qt/text_room.h"

namespace qtui {
namespace {

// The window is modal, so the only input taken here is its own.
void PaintNow() { QCoreApplication::processEvents(); }

// Escape and the window's close button ask to stop like Cancel does; the
// window itself stays until the transfer has ended.
class CancellableDialog final : public QDialog {
public:
    CancellableDialog(QWidget* owner, std::function<void()> onCancel)
        : QDialog(owner, Qt::Dialog | Qt::WindowStaysOnTopHint), onCancel_(std::move(onCancel)) {}

    void reject() override { onCancel_(); }

protected:
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        onCancel_();
    }

private:
    std::function<void()> onCancel_;
};

}  // namespace

ProgressDialog::ProgressDialog(QWidget* owner, const common::ProgressLook& look) {
    dialog_ = new CancellableDialog(owner, [this] { RequestCancel(); });
    dialog_->setObjectName(QString::fromStdString(look.templateName));
    dialog_->setWindowTitle(FromCp1251(look.caption));
    dialog_->setWindowModality(Qt::ApplicationModal);
    label_ = new QLabel(FromCp1251(look.label), dialog_);
    if (look.labelId != 0) label_->setProperty("controlId", look.labelId);
    bar_ = new QProgressBar(dialog_);
    if (look.barId != 0) bar_->setProperty("controlId", look.barId);
    bar_->setRange(0, 0);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, dialog_);
    cancel_ = buttons->button(QDialogButtonBox::Cancel);
    cancel_->setProperty("controlId", 2);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog_, &QDialog::reject);
    auto* layout = new QVBoxLayout(dialog_);
    layout->addWidget(label_);
    layout->addWidget(bar_);
    layout->addWidget(buttons);
    dialog_->setMinimumWidth(320);
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
    if (bar_->minimum() == 0 && bar_->maximum() == 0) bar_->setRange(0, 100);
    bar_->setValue(std::clamp(position, bar_->minimum(), bar_->maximum()));
    PaintNow();
}

// The window grows for a longer text (a port's name, a translation), and
// never shrinks, so it does not jump about while the transfer runs.
void ProgressDialog::SetText(const std::string& text) {
    if (!label_) return;
    label_->setText(FromCp1251(text));
    if (dialog_->sizeHint().width() > dialog_->width()) dialog_->resize(dialog_->sizeHint().width(), dialog_->height());
    PaintNow();
}

// The button goes grey: the request was heard, the transfer is ending.
void ProgressDialog::RequestCancel() {
    cancelRequested_ = true;
    if (cancel_) cancel_->setEnabled(false);
}

// Asked between every read of a transfer: the window's events are taken a
// few dozen times a second, which is all a click needs.
bool ProgressDialog::CancelRequested() {
    constexpr qint64 kEventIntervalMs = 30;
    if (!sinceEvents_.isValid() || sinceEvents_.elapsed() >= kEventIntervalMs) {
        PaintNow();
        sinceEvents_.restart();
    }
    return cancelRequested_;
}

}  // namespace qtui
