#include "designer/shell/program_icon.h"

#include <cstddef>

#include <QByteArray>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

extern const unsigned char kProgramIcon[];
extern const std::size_t kProgramIcon_size;

namespace shell {

QIcon ProgramIcon() {
    QSvgRenderer renderer(
        QByteArray::fromRawData(reinterpret_cast<const char*>(kProgramIcon), static_cast<qsizetype>(kProgramIcon_size)));
    QIcon icon;
    // Drawn at each size a task bar or a title bar asks for, so none is scaled from another.
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace shell
