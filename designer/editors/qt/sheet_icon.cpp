#include "designer/editors/qt/sheet_icon.h"

#include <cstddef>

#include <QByteArray>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

extern const unsigned char kSheetIcon[];
extern const std::size_t kSheetIcon_size;

namespace editors {

QIcon SheetIcon() {
    QSvgRenderer renderer(
        QByteArray::fromRawData(reinterpret_cast<const char*>(kSheetIcon), static_cast<qsizetype>(kSheetIcon_size)));
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace editors
