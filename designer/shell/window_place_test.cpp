#include "designer/shell/window_place.h"

#include <gtest/gtest.h>

namespace shell {
namespace {

TEST(WindowPlace, TheWholeWindowStaysOnItsScreen) {
    const ScreenArea laptop{0, 0, 1366, 740};  // less a 28-pixel panel
    // Already inside: unchanged.
    EXPECT_EQ(KeepInside({300, 50}, 200, 459, laptop), (WindowCorner{300, 50}));
    // Zoomed to 1.5 near the lower right corner: pulled back up and left.
    EXPECT_EQ(KeepInside({1200, 300}, 300, 689, laptop), (WindowCorner{1066, 51}));
    // Dragged up almost wholly off the screen: down to the top edge.
    EXPECT_EQ(KeepInside({600, -420}, 200, 459, laptop), (WindowCorner{600, 0}));
    EXPECT_EQ(KeepInside({-190, 100}, 200, 459, laptop), (WindowCorner{0, 100}));
}

TEST(WindowPlace, ScreensRightOfAndBelowTheFirst) {
    const ScreenArea second{1920, 0, 1024, 768};
    EXPECT_EQ(KeepInside({2900, 500}, 200, 459, second), (WindowCorner{2744, 309}));
    EXPECT_EQ(KeepInside({100, 100}, 200, 459, second), (WindowCorner{1920, 100}));
    const ScreenArea below{0, 1080, 1920, 1050};
    EXPECT_EQ(KeepInside({300, 50}, 400, 918, below), (WindowCorner{300, 1080}));
}

TEST(WindowPlace, AWindowLargerThanTheScreenKeepsItsTopLeftCornerOnIt) {
    const ScreenArea small{0, 0, 800, 600};
    EXPECT_EQ(KeepInside({300, 200}, 600, 1377, small), (WindowCorner{200, 0}));
    EXPECT_EQ(KeepInside({-50, -50}, 900, 700, small), (WindowCorner{0, 0}));
}

}  // namespace
}  // namespace shell
