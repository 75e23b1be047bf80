#include "designer/simulator/drag_gesture.h"

#include <gtest/gtest.h>

namespace simulator {
namespace {

TEST(DragGesture, AClickWithoutAMoveNeverStartsOne) {
    DragGesture drag(10);
    drag.Press(100, 300);
    EXPECT_TRUE(drag.Armed());
    drag.Release();
    EXPECT_FALSE(drag.Armed());
    EXPECT_FALSE(drag.Move(200, 400)) << "a move after the release is no drag";
    EXPECT_FALSE(drag.Moving());

    // A hand's jitter while clicking stays a click.
    drag.Press(100, 300);
    EXPECT_FALSE(drag.Move(103, 304));
    EXPECT_FALSE(drag.Moving());
    drag.Release();
    EXPECT_FALSE(drag.Moving());
}

TEST(DragGesture, TheMoveStartsOnceTheMouseWentFarEnough) {
    DragGesture drag(10);
    EXPECT_FALSE(drag.Move(50, 50)) << "nothing was pressed";
    drag.Press(100, 300);
    EXPECT_FALSE(drag.Move(104, 305));
    EXPECT_TRUE(drag.Move(104, 306));  // 4 across and 6 down
    EXPECT_TRUE(drag.Moving());
    EXPECT_FALSE(drag.Move(150, 350)) << "it starts once";
    EXPECT_TRUE(drag.Moving());
    drag.Release();
    EXPECT_FALSE(drag.Moving());
}

}  // namespace
}  // namespace simulator
