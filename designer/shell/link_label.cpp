#include "designer/shell/link_label.h"

#include <QDesktopServices>
#include <QMouseEvent>

namespace shell {

LinkLabel::LinkLabel(const QString& text, QUrl target, QWidget* parent)
    : QLabel(text, parent), target_(std::move(target)) {
    setCursor(Qt::PointingHandCursor);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, p.color(QPalette::Link));
    setPalette(p);
    SetHovered(false);
}

void LinkLabel::SetHovered(bool hovered) {
    QFont f = font();
    f.setUnderline(!hovered);
    setFont(f);
    update();
}

void LinkLabel::enterEvent(QEnterEvent*) { SetHovered(true); }

void LinkLabel::leaveEvent(QEvent*) { SetHovered(false); }

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        QDesktopServices::openUrl(target_);
    }
}

}  // namespace shell
