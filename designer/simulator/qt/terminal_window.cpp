#include "designer/simulator/qt/terminal_window.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QStyleHints>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>

#include <cmath>

#include "common/qt/screen_area.h"
#include "designer/simulator/engine.h"
#include "designer/simulator/terminal_zoom.h"

namespace simulator {

namespace {

constexpr int kTickMs = 100;
constexpr int kMenuKey = 14;

// The computer's keyboard plays the terminal's keys too.
int KeyForKeyboard(int qtKey) {
    switch (qtKey) {
        case Qt::Key_1: return 1;
        case Qt::Key_2: return 2;
        case Qt::Key_3: return 3;
        case Qt::Key_4: return 4;
        case Qt::Key_5: return 5;
        case Qt::Key_6: return 6;
        case Qt::Key_7: return 7;
        case Qt::Key_8: return 8;
        case Qt::Key_9: return 9;
        case Qt::Key_Minus: return 10;
        case Qt::Key_0: return 11;
        case Qt::Key_Period: return 12;
        case Qt::Key_Return:
        case Qt::Key_Enter: return 16;
        case Qt::Key_Left: return 18;
        case Qt::Key_Up: return 19;
        case Qt::Key_Right: return 20;
        case Qt::Key_Escape: return 21;
        case Qt::Key_Down: return 22;
        case Qt::Key_Backspace: return 23;
        default: return 0;
    }
}

// Wayland lets no program place its own window: the system must move it.
// Elsewhere the window follows the mouse itself, which keeps the case under
// the mouse from the first pixel (a system move starts where the mouse is
// when it is asked for, a few pixels after the press).
bool PlatformMovesWindows() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

}  // namespace

TerminalWindow::TerminalWindow(Engine& engine, QWidget* parent)
    : QWidget(parent), engine_(engine), drag_(QGuiApplication::styleHints()->startDragDistance()) {
    setObjectName(QStringLiteral("Client"));
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(sizeHint());

    auto addShortcut = [this](const QKeySequence& sequence, void (TerminalWindow::*slot)()) {
        auto* shortcut = new QShortcut(sequence, this);
        connect(shortcut, &QShortcut::activated, this, slot);
    };
    addShortcut(QKeySequence::ZoomIn, &TerminalWindow::zoomIn);
    // Plus is a shifted key on most layouts; the key under it works too.
    addShortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal), &TerminalWindow::zoomIn);
    addShortcut(QKeySequence::ZoomOut, &TerminalWindow::zoomOut);
    addShortcut(QKeySequence(Qt::CTRL | Qt::Key_0), &TerminalWindow::zoomReset);

    // Posted, as the command it stands for: the press that led to it is over by then.
    engine_.SetNewTaskRequest([this] { QMetaObject::invokeMethod(this, &TerminalWindow::newTaskRequested, Qt::QueuedConnection); });

    auto* timer = new QTimer(this);
    timer->setObjectName(QStringLiteral("ClockTick"));
    connect(timer, &QTimer::timeout, this, &TerminalWindow::OnTick);
    timer->start(kTickMs);
}

void TerminalWindow::RestartAtMainMenu() {
    engine_.RestartAtMainMenu();
    update();
}

QSize TerminalWindow::sizeHint() const { return {ZoomedWidth(zoom_), ZoomedHeight(zoom_)}; }

QRegion TerminalWindow::PictureOutline() {
    const QImage picture = RenderTerminal(painter_, engine_.Screen(), zoom_);
    return QRegion(QBitmap::fromImage(picture.createAlphaMask(Qt::ThresholdAlphaDither)));
}

void TerminalWindow::zoomIn() { setZoom(NextZoomStep(zoom_)); }

void TerminalWindow::zoomOut() { setZoom(PreviousZoomStep(zoom_)); }

void TerminalWindow::zoomReset() { setZoom(1.0); }

void TerminalWindow::setZoom(double zoom) {
    const QRect room = qtui::AvailableAreaOf(*window());
    zoom = FittingZoom(zoom, room.width(), room.height());
    if (zoom == zoom_) return;
    zoom_ = zoom;
    setFixedSize(sizeHint());
    update();
    emit zoomChanged(zoom_);
}

QRect TerminalWindow::ToWidget(const Rect& r) const {
    const int left = static_cast<int>(std::floor(r.left * zoom_));
    const int top = static_cast<int>(std::floor(r.top * zoom_));
    const int right = static_cast<int>(std::ceil((r.right + 1) * zoom_));
    const int bottom = static_cast<int>(std::ceil((r.bottom + 1) * zoom_));
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

void TerminalWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.scale(zoom_, zoom_);
    painter_.Paint(p, ComposeTerminal(engine_.Screen(), pressedKey_));
}

void TerminalWindow::PressKey(int key) {
    pressedKey_ = key;
    update();
    engine_.PressKey(key);
    update();
}

void TerminalWindow::ReleaseKey() {
    const int key = pressedKey_;
    pressedKey_ = 0;
    keyFromKeyboard_ = false;
    update();
    if (key == kMenuKey) {
        const Point origin = FindKeyPlace(kMenuKey)->pressedOrigin;
        emit popupRequested(mapToGlobal(QPoint(static_cast<int>(std::lround(origin.x * zoom_)),
                                                   static_cast<int>(std::lround(origin.y * zoom_)))));
    }
}

void TerminalWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        emit popupRequested(event->globalPosition().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton || pressedKey_ != 0) return;
    const QPointF at = event->position();
    if (const int key = KeyAtScaled(at.x(), at.y(), zoom_); key != 0) {
        PressKey(key);
        // A message box shown by the engine may have taken the release.
        if (!(QGuiApplication::mouseButtons() & Qt::LeftButton)) ReleaseKey();
        return;
    }
    dragStartGlobal_ = event->globalPosition();
    windowStart_ = window()->pos();
    drag_.Press(static_cast<int>(dragStartGlobal_.x()), static_cast<int>(dragStartGlobal_.y()));
}

void TerminalWindow::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) {
        drag_.Release();
        return;
    }
    const QPointF at = event->globalPosition();
    const bool starting = drag_.Move(static_cast<int>(at.x()), static_cast<int>(at.y()));
    if (starting && PlatformMovesWindows()) {
        // It follows the mouse from here until the button goes up.
        if (QWindow* handle = window()->windowHandle(); handle && handle->startSystemMove()) {
            drag_.Release();
            return;
        }
    }
    if (drag_.Moving()) window()->move(windowStart_ + (at - dragStartGlobal_).toPoint());
}

void TerminalWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    if (drag_.Armed() || drag_.Moving()) {
        drag_.Release();
        return;
    }
    if (pressedKey_ != 0 && !keyFromKeyboard_) ReleaseKey();
}

void TerminalWindow::keyPressEvent(QKeyEvent* event) {
    const int key = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier) ? 0 : KeyForKeyboard(event->key());
    if (key == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (pressedKey_ != 0 && !keyFromKeyboard_) return;  // the mouse holds a key
    keyFromKeyboard_ = true;
    PressKey(key);
}

void TerminalWindow::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat() || !keyFromKeyboard_ || KeyForKeyboard(event->key()) != pressedKey_) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    ReleaseKey();
}

void TerminalWindow::focusOutEvent(QFocusEvent* event) {
    // A dialog opened by a key takes its release with the focus.
    if (keyFromKeyboard_) ReleaseKey();
    QWidget::focusOutEvent(event);
}

void TerminalWindow::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QWidget::wheelEvent(event);
        return;
    }
    if (event->angleDelta().y() > 0) zoomIn();
    if (event->angleDelta().y() < 0) zoomOut();
    event->accept();
}

void TerminalWindow::OnTick() {
    // Most ticks change nothing that is drawn (the colon blinks twice a
    // second, the clock line shows minutes); an idle designer must not
    // repaint the screen ten times a second.
    const ScreenBuffer before = engine_.Screen();
    engine_.Tick();
    if (!(engine_.Screen() == before)) update(ToWidget(kScreenArea));
}

}  // namespace simulator
