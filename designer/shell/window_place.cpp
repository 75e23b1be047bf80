#include "designer/shell/window_place.h"

#include <algorithm>

namespace shell {
namespace {

int Within(int wanted, int size, int start, int room) {
    const int last = start + std::max(room - size, 0);
    return std::clamp(wanted, start, last);
}

}  // namespace

WindowCorner KeepInside(WindowCorner wanted, int width, int height, const ScreenArea& area) {
    return {Within(wanted.x, width, area.left, area.width), Within(wanted.y, height, area.top, area.height)};
}

}  // namespace shell
