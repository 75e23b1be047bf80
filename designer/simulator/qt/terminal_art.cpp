#include "designer/simulator/qt/terminal_art.h"

#include <QByteArray>
#include <QPainter>
#include <QString>

#include <cstddef>

extern const unsigned char kTerminalArt[];
extern const std::size_t kTerminalArt_size;

namespace simulator {

namespace {

QString ElementId(int image) { return QStringLiteral("img%1").arg(image); }

}  // namespace

TerminalArt::TerminalArt()
    : renderer_(QByteArray::fromRawData(reinterpret_cast<const char*>(kTerminalArt),
                                        static_cast<qsizetype>(kTerminalArt_size))) {}

bool TerminalArt::IsValid() const { return renderer_.isValid(); }

QSizeF TerminalArt::ImageSize(int image) const {
    const QString id = ElementId(image);
    if (!renderer_.elementExists(id)) return {};
    return renderer_.boundsOnElement(id).size();
}

void TerminalArt::Draw(QPainter& painter, int image, const QPointF& origin) {
    const QString id = ElementId(image);
    if (!renderer_.elementExists(id)) return;
    // Every image carries an invisible box that defines its bounds, so the
    // box maps one to one onto the picture.
    renderer_.render(&painter, id, QRectF(origin, renderer_.boundsOnElement(id).size()));
}

QRectF TerminalArt::CapWithinImage(int image) const {
    const QString cap = QStringLiteral("cap%1").arg(image);
    if (!renderer_.elementExists(cap)) return {};
    return renderer_.boundsOnElement(cap).translated(-renderer_.boundsOnElement(ElementId(image)).topLeft());
}

}  // namespace simulator
