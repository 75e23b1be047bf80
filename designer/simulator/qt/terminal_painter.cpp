#include "designer/simulator/qt/terminal_painter.h"

#include <QPainter>
#include <QString>

#include <cmath>

#include "common/cp1251.h"

namespace simulator {

TerminalPainter::TerminalPainter() : font_(ResolveScreenFont()) {}

QColor TerminalPainter::TextColor(bool light) { return light ? QColor(0xdf, 0xe9, 0xc9) : QColor(0x1d, 0x2a, 0x1b); }

void TerminalPainter::Paint(QPainter& painter, const std::vector<Drawing>& drawings) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const Drawing& d : drawings) {
        if (d.kind == Drawing::Kind::Image) {
            art_.Draw(painter, d.image, QPointF(d.at.x, d.at.y));
        } else {
            PaintText(painter, d);
        }
    }
}

void TerminalPainter::PaintText(QPainter& painter, const Drawing& text) {
    painter.setFont(font_.font);
    painter.setPen(TextColor(text.light));
    // One character per column, so the text and the cursor keep the same pitch
    // whatever the face's own advance.
    const QString line = QString::fromStdString(common::Cp1251ToUtf8(text.text));
    const double baseline = text.at.y + font_.baseline;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == QLatin1Char(' ')) continue;
        painter.drawText(QPointF(text.at.x + kCharacterPitch * static_cast<double>(i), baseline), QString(line[i]));
    }
}

QImage RenderTerminal(TerminalPainter& painter, const ScreenBuffer& screen, double scale, int pressedKey) {
    const int width = static_cast<int>(std::lround(kPictureWidth * scale));
    const int height = static_cast<int>(std::lround(kPictureHeight * scale));
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.scale(scale, scale);
    painter.Paint(p, ComposeTerminal(screen, pressedKey));
    return image;
}

}  // namespace simulator
