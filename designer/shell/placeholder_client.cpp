#include "designer/shell/placeholder_client.h"

#include <QMouseEvent>
#include <QPainter>

namespace shell {

PlaceholderClient::PlaceholderClient(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Client"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void PlaceholderClient::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body = QRectF(rect()).adjusted(6, 6, -6, -6);
    painter.setBrush(QColor(60, 64, 72));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(body, 24, 24);
    const QRectF screen(body.left() + 18, body.top() + 40, body.width() - 36, 130);
    painter.setBrush(QColor(170, 190, 150));
    painter.drawRect(screen);
    painter.setPen(Qt::black);
    painter.drawText(screen, Qt::AlignCenter, QStringLiteral("Quarrow"));
    painter.setPen(QColor(220, 220, 220));
    painter.drawText(QRectF(body.left(), screen.bottom() + 10, body.width(), 40), Qt::AlignCenter,
                     tr("Right-click for the menu"));
}

void PlaceholderClient::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        emit popupRequested(event->globalPosition().toPoint());
        return;
    }
    if (event->button() == Qt::LeftButton) {
        dragging_ = true;
        dragOffset_ = event->globalPosition().toPoint() - window()->pos();
    }
}

void PlaceholderClient::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) window()->move(event->globalPosition().toPoint() - dragOffset_);
}

void PlaceholderClient::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) dragging_ = false;
}

}  // namespace shell
