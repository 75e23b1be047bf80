#pragma once
// The simulator window "Client": the drawn terminal. Clicks on its keys go to
// the task engine, a drag elsewhere moves the borderless main window, the
// right button (and drawn key 14) ask for the designer's pop-up menu. It
// zooms in steps, never beyond the screen it is on, and repaints only what
// changes.
#include <QPoint>
#include <QPointF>
#include <QRegion>
#include <QWidget>

#include "designer/simulator/drag_gesture.h"
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

    // The terminal's outline at the current zoom: where the picture is not
    // transparent. A window that cannot be translucent is cut to it.
    QRegion PictureOutline();

public slots:
    void zoomIn();
    void zoomOut();
    void zoomReset();
    // The nearest step not above `zoom` at which the terminal fits its screen.
    void setZoom(double zoom);

signals:
    // The terminal has a new size; the window around it follows.
    void zoomChanged(double zoom);
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
    double zoom_ = 1.0;
    int pressedKey_ = 0;
    bool keyFromKeyboard_ = false;
    DragGesture drag_;
    QPointF dragStartGlobal_;
    QPoint windowStart_;
};

}  // namespace simulator
