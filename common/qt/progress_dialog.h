#pragma once
// The progress window shown during a transfer: a label, a bar and a Cancel
// button (control 2), named as the look says (the designer's "ProgressDlg",
// the loader's "PROGRESSDLG"). The transfer blocks the user interface
// thread, so the window is painted, and its button heard, whenever the
// transfer sets a text or a position or asks whether to stop. It is modal to
// the whole program while it is open: a click can stop the transfer but
// never start another command inside it.
#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

#include "common/ui_port.h"

class QDialog;
class QLabel;
class QProgressBar;
class QPushButton;

namespace qtui {

class ProgressDialog final : public common::ProgressWindow {
public:
    ProgressDialog(QWidget* owner, const common::ProgressLook& look);
    ~ProgressDialog() override;
    // Until a range or a first position is set, the bar shows that the
    // operation is busy; a position alone then sets the range 0..100.
    void SetRange(int minimum, int maximum) override;
    void SetPosition(int position) override;
    void SetText(const std::string& text) override;
    bool CancelRequested() override;

private:
    void RequestCancel();

    QPointer<QDialog> dialog_;
    QPointer<QLabel> label_;
    QPointer<QProgressBar> bar_;
    QPointer<QPushButton> cancel_;
    QElapsedTimer sinceEvents_;
    bool cancelRequested_ = false;
};

}  // namespace qtui
