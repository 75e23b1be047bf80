#include "designer/simulator/qt/terminal_window.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QWheelEvent>
#include <QWindow>

#include <algorithm>
#include <array>
#include <cmath>

#include "designer/simulator/engine.h"

namespace simulator {

namespace {

constexpr std::array<double, 7> kZoomSteps = {1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0};
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

}  // namespace

TerminalWindow::TerminalWindow(Engine& engine, QWidget* parent) : QWidget(parent), engine_(engine) {
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

    connect(&timer_, &QTimer::timeout, this, &TerminalWindow::OnTick);
    timer_.start(kTickMs);
}

void TerminalWindow::RestartAtMainMenu() {
    engine_.RestartAtMainMenu();
    update();
}

QSize TerminalWindow::sizeHint() const {
    return {static_cast<int>(std::lround(kPictureWidth * zoom_)), static_cast<int>(std::lround(kPictureHeight * zoom_))};
}

void TerminalWindow::zoomIn() {
    const auto next = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), zoom_ + 1e-6);
    if (next != kZoomSteps.end()) setZoom(*next);
}

void TerminalWindow::zoomOut() {
    const auto next = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), zoom_ - 1e-6);
    if (next != kZoomSteps.begin()) setZoom(*(next - 1));
}

void TerminalWindow::zoomReset() { setZoom(1.0); }

void TerminalWindow::setZoom(double zoom) {
    zoom = std::clamp(zoom, kZoomSteps.front(), kZoomSteps.back());
    if (zoom == zoom_) return;
    zoom_ = zoom;
    setFixedSize(sizeHint());
    // The main window has exactly the terminal's size.
    if (QWidget* top = window(); top != this) top->setFixedSize(sizeHint());
    update();
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
    if (event->button() != Qt::LeftButton || pressedKey_ != 0 || dragging_) return;
    const QPointF at = event->position();
    if (const int key = KeyAtScaled(at.x(), at.y(), zoom_); key != 0) {
        PressKey(key);
        // A message box shown by the engine may have taken the release.
        if (!(QGuiApplication::mouseButtons() & Qt::LeftButton)) ReleaseKey();
        return;
    }
    QWidget* top = window();
    // Where the platform can move the window itself (Wayland needs it), let it.
    if (top->windowHandle() && top->windowHandle()->startSystemMove()) return;
    dragging_ = true;
    dragStartGlobal_ = event->globalPosition();
    windowStart_ = top->pos();
}

void TerminalWindow::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) return;
    const QPointF moved = event->globalPosition() - dragStartGlobal_;
    window()->move(windowStart_ + moved.toPoint());
}

void TerminalWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    if (dragging_) {
        dragging_ = false;
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
    engine_.Tick();
    update(ToWidget(kScreenArea));
}

}  // namespace simulator
