#include "designer/editors/qt/key_code_box.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace editors {

KeyCodeBox::KeyCodeBox(std::function<void()> openGrid, QWidget* parent)
    : QLineEdit(parent), openGrid_(std::move(openGrid)) {
    setReadOnly(true);
    setCursor(Qt::PointingHandCursor);
}

QColor KeyCodeBox::OpenColor() { return QColor(0, 0, 255); }

void KeyCodeBox::SetGridOpen(bool open) {
    if (open == gridOpen_) return;
    gridOpen_ = open;
    update();
}

void KeyCodeBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QLineEdit::mousePressEvent(event);
        return;
    }
    event->accept();
    openGrid_();
}

void KeyCodeBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        event->accept();
        openGrid_();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void KeyCodeBox::paintEvent(QPaintEvent* event) {
    if (!gridOpen_) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.fillRect(rect(), OpenColor());
}

}  // namespace editors
