#include "common/qt/screen_area.h"

#include <algorithm>
#include <limits>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace qtui {
namespace {

// How far `point` lies outside `area` (0 inside), squared.
long long DistanceSquared(const QPoint& point, const QRect& area) {
    const long long dx = std::max({area.left() - point.x(), 0, point.x() - area.right()});
    const long long dy = std::max({area.top() - point.y(), 0, point.y() - area.bottom()});
    return dx * dx + dy * dy;
}

}  // namespace

QRect AvailableAreaOf(const QWidget& window) {
    // The screen under the window's centre; for a window dragged off every
    // screen, the screen nearest to its centre.
    const QPoint centre = window.frameGeometry().center();
    QScreen* nearest = nullptr;
    long long best = std::numeric_limits<long long>::max();
    for (QScreen* screen : QGuiApplication::screens()) {
        const long long distance = DistanceSquared(centre, screen->geometry());
        if (distance < best) {
            best = distance;
            nearest = screen;
        }
    }
    return nearest ? nearest->availableGeometry() : QRect();
}

}  // namespace qtui
