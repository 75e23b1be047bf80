#include "common/qt/svg_icon.h"

#include <QByteArray>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace qtui {

QIcon IconFromSvg(const unsigned char* svg, std::size_t size, std::initializer_list<int> pixelSizes) {
    QSvgRenderer renderer(QByteArray::fromRawData(reinterpret_cast<const char*>(svg), static_cast<qsizetype>(size)));
    QIcon icon;
    for (const int pixels : pixelSizes) {
        QPixmap pixmap(pixels, pixels);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace qtui
