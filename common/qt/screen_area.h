#pragma once
// The part of the desktop a window may use: the screen it is on, less panels.
#include <QRect>

class QWidget;

namespace qtui {

// The available area of the screen under the centre of `window` (a top-level
// widget), or of the screen nearest to it when its centre is on none.
QRect AvailableAreaOf(const QWidget& window);

}  // namespace qtui
