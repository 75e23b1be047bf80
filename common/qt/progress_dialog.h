#pragma once
// The modeless progress window shown during a transfer: a label and a bar,
// named as the look says (the designer's "ProgressDlg", the loader's
// "PROGRESSDLG"). The transfer blocks the user interface thread, so every
// change paints the window at once.
#include <QPointer>
#include <QWidget>

#include "common/ui_port.h"

class QDialog;
class QProgressBar;

namespace qtui {

class ProgressDialog final : public common::ProgressWindow {
public:
    ProgressDialog(QWidget* owner, const common::ProgressLook& look);
    ~ProgressDialog() override;
    void SetRange(int minimum, int maximum) override;
    void SetPosition(int position) override;

private:
    QPointer<QDialog> dialog_;
    QPointer<QProgressBar> bar_;
};

}  // namespace qtui
