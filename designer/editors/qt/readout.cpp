#include "designer/editors/qt/readout.h"

#include <QPainter>

namespace editors {
namespace {

constexpr int kMargin = 5;

}  // namespace

Readout::Readout(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::WindowText, QColor(128, 128, 128));
    setPalette(colours);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void Readout::setText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    setToolTip(text_);
    update();
}

QSize Readout::sizeHint() const {
    const int frame = 2 * frameWidth();
    return {fontMetrics().horizontalAdvance(QLatin1Char('M')) * 20 + frame + 2 * kMargin,
            fontMetrics().height() + frame + 2 * 3};
}

QSize Readout::minimumSizeHint() const { return {frameWidth() * 2 + 2 * kMargin, sizeHint().height()}; }

void Readout::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect area = contentsRect().adjusted(kMargin, 0, -kMargin, 0);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const QString shown = fontMetrics().elidedText(text_, Qt::ElideRight, area.width());
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
}

}  // namespace editors
