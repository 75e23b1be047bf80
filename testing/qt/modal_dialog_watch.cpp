#include "testing/qt/modal_dialog_watch.h"

#include <QApplication>
#include <QDialog>

#include <gtest/gtest.h>

namespace testing_qt {
namespace {

QString Describe(const QWidget* widget) {
    if (!widget) return QStringLiteral("none");
    const QString name = widget->objectName();
    return QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(widget->metaObject()->className()),
                                           name.isEmpty() ? widget->windowTitle() : name);
}

}  // namespace

ModalDialogWatch::ModalDialogWatch(QString objectName, std::function<void(QDialog&)> act,
                                   std::chrono::milliseconds limit)
    : objectName_(std::move(objectName)), act_(std::move(act)), deadline_(std::chrono::steady_clock::now() + limit) {
    connect(&timer_, &QTimer::timeout, this, &ModalDialogWatch::Poll);
    timer_.start(5);
}

ModalDialogWatch::~ModalDialogWatch() {
    timer_.stop();
    if (!handled_ && !failed_) {
        ADD_FAILURE() << "the dialog " << objectName_.toStdString() << " never opened";
    }
}

void ModalDialogWatch::Poll() {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    const bool wanted = dialog && dialog->isVisible() && (objectName_.isEmpty() || dialog->objectName() == objectName_);
    if (!wanted) {
        if (std::chrono::steady_clock::now() >= deadline_) GiveUp();
        return;
    }
    timer_.stop();
    handled_ = true;
    const QPointer<QDialog> guard(dialog);
    act_(*dialog);
    if (guard && guard->isVisible()) {
        ADD_FAILURE() << "the dialog " << objectName_.toStdString() << " was left open; closing it";
        guard->reject();
    }
}

void ModalDialogWatch::GiveUp() {
    timer_.stop();
    failed_ = true;
    QWidget* modal = QApplication::activeModalWidget();
    ADD_FAILURE() << "the dialog " << objectName_.toStdString() << " did not open in time; the modal window is "
                  << Describe(modal).toStdString();
    // Whatever runs modally in its place must end, or the test would wait forever.
    if (auto* other = qobject_cast<QDialog*>(modal)) {
        other->reject();
    } else if (modal) {
        modal->close();
    }
}

}  // namespace testing_qt
