#pragma once
// Acting on a modal dialog that the code under test opens and runs with
// exec(): the test cannot reach it from its own stack, so a timer watches for
// it. A watch never lets a test hang: a dialog that does not open within the
// time limit fails the test and whatever modal window stands in its place is
// closed; a dialog the action leaves open is closed too, and that fails the
// test as well.
#include <chrono>
#include <functional>

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

class QDialog;

namespace testing_qt {

class ModalDialogWatch : public QObject {
public:
    // Waits for the modal QDialog (or QMessageBox) whose objectName is
    // `objectName`; an empty name takes the first modal dialog that opens.
    ModalDialogWatch(QString objectName, std::function<void(QDialog&)> act,
                     std::chrono::milliseconds limit = std::chrono::seconds(5));
    // Fails the test when the dialog never opened.
    ~ModalDialogWatch() override;

    ModalDialogWatch(const ModalDialogWatch&) = delete;
    ModalDialogWatch& operator=(const ModalDialogWatch&) = delete;

    bool Handled() const { return handled_; }

private:
    void Poll();
    void GiveUp();

    QString objectName_;
    std::function<void(QDialog&)> act_;
    std::chrono::steady_clock::time_point deadline_;
    QTimer timer_;
    bool handled_ = false;
    bool failed_ = false;
};

}  // namespace testing_qt
