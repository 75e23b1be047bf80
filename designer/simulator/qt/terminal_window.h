#pragma once
// The simulator window "Client": the drawn terminal. Clicks on its keys go to
// the task engine, clicks elsewhere move the borderless main window, the
// right button (and drawn key 14) ask for the designer's pop-up menu.
#include <QPoint>
#include <QPointF>
#include <QTimer>
#include <QWidget>

#include "designer/simulator/qt/terminal_painter.h"

namespace simulator {

class Engine;

class TerminalWindow : public QWidget {
    Q_OBJECT

public:
    // The engine must outlive the window; the window takes over its request
    // for New and passes it on as newTaskRequested.
    explicit TerminalWindow(Engine& engine, QWidget* parent = nullptr);

    // The task changed (New, Open, Edit, a recent file, the menu's rebuild):
    // show its main menu again.
    void RestartAtMainMenu();

    double zoom() const { return zoom_; }
    // The key drawn pressed, 0 for none.
    int pressedKey() const { return pressedKey_; }

    QSize sizeHint() const override;

public slots:
    void zoomIn();
    void zoomOut();
    void zoomReset();
    void setZoom(double zoom);

signals:
    // Open the designer's pop-up menu at this point of the desktop.
    void popupRequested(QPoint globalPosition);
    // Collect data found nothing to run: the designer's New, after the key press.
    void newTaskRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void PressKey(int key);
    void ReleaseKey();
    void OnTick();
    QRect ToWidget(const Rect& pictureRect) const;

    Engine& engine_;
    TerminalPainter painter_;
    QTimer timer_;
    double zoom_ = 1.0;
    int pressedKey_ = 0;
    bool keyFromKeyboard_ = false;
    bool dragging_ = false;
    QPointF dragStartGlobal_;
    QPoint windowStart_;
};

}  // namespace simulator
