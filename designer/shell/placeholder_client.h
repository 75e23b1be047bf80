#pragma once
// The main window's "Client" child until the simulator window takes its
// place: a plain terminal outline that opens the pop-up menu on the right
// button and drags the window with the left one.
#include <QPoint>
#include <QWidget>

#include "designer/shell/simulator_control.h"

namespace shell {

class PlaceholderClient final : public QWidget, public SimulatorControl {
    Q_OBJECT
public:
    explicit PlaceholderClient(QWidget* parent = nullptr);
    void RestartAtMainMenu() override { update(); }

signals:
    void popupRequested(QPoint globalPosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPoint dragOffset_;
    bool dragging_ = false;
};

}  // namespace shell
