#pragma once
// Where the designer's borderless window may stand: wholly on one screen, so
// no zoom and no remembered place can leave the terminal out of reach.
namespace shell {

struct ScreenArea {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct WindowCorner {
    int x = 0;
    int y = 0;
    bool operator==(const WindowCorner&) const = default;
};

// The top-left corner nearest `wanted` at which a window of `width` x
// `height` lies wholly within `area`. A window larger than the area keeps
// its top-left corner in the area's, so its title and its top stay reachable.
WindowCorner KeepInside(WindowCorner wanted, int width, int height, const ScreenArea& area);

}  // namespace shell
