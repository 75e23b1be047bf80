#pragma once
// The drawn terminal's images (ids 500..551), vector art built into the
// program, so it stays sharp at any zoom.
#include <QRectF>
#include <QSvgRenderer>

class QPainter;
class QPointF;

namespace simulator {

class TerminalArt {
public:
    TerminalArt();

    bool IsValid() const;

    // The image's size in picture pixels; empty for an unknown id.
    QSizeF ImageSize(int image) const;

    // Draws image `image` with its top-left corner at `origin` (picture pixels).
    void Draw(QPainter& painter, int image, const QPointF& origin);

    // Where the keycap of an image lies inside it, relative to the image's
    // top-left corner; empty when the image has no keycap.
    QRectF CapWithinImage(int image) const;

private:
    QSvgRenderer renderer_;
};

}  // namespace simulator
