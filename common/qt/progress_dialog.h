#pragma once
// The modeless progress window shown during a transfer: a label (control
// 901) and a bar of 0..100 (control 870). The transfer blocks the user
// interface thread, so every new position paints the window at once.
#include <QPointer>
#include <QWidget>

#include "common/ui_port.h"

class QDialog;
class QProgressBar;

namespace qtui {

class ProgressDialog final : public common::ProgressWindow {
public:
    ProgressDialog(QWidget* owner, const QString& caption, const QString& label);
    ~ProgressDialog() override;
    void SetPosition(int percent) override;

private:
    QPointer<QDialog> dialog_;
    QPointer<QProgressBar> bar_;
};

}  // namespace qtui
