#include "designer/simulator/terminal_zoom.h"

#include <gtest/gtest.h>

namespace simulator {
namespace {

TEST(TerminalZoom, StepsUpAndDownStopAtTheEnds) {
    EXPECT_DOUBLE_EQ(NextZoomStep(1.0), 1.25);
    EXPECT_DOUBLE_EQ(NextZoomStep(2.0), 2.5);
    EXPECT_DOUBLE_EQ(NextZoomStep(3.0), 3.0);
    EXPECT_DOUBLE_EQ(PreviousZoomStep(1.25), 1.0);
    EXPECT_DOUBLE_EQ(PreviousZoomStep(1.0), 1.0);
    // Between two steps (a zoom read back from a file), each way goes to the neighbour step.
    EXPECT_DOUBLE_EQ(NextZoomStep(1.3), 1.5);
    EXPECT_DOUBLE_EQ(PreviousZoomStep(1.3), 1.25);
}

TEST(TerminalZoom, TheWholeTerminalFitsItsScreen) {
    // 200 x 459 pictures: 3x is 600 x 1377.
    EXPECT_DOUBLE_EQ(FittingZoom(3.0, 1920, 1440), 3.0);
    EXPECT_DOUBLE_EQ(FittingZoom(3.0, 1024, 768), 1.5);   // 1.75 would be 803 high
    EXPECT_DOUBLE_EQ(FittingZoom(3.0, 1366, 740), 1.5);   // a laptop less its panel
    EXPECT_DOUBLE_EQ(FittingZoom(2.0, 1920, 1050), 2.0);  // 918 high: fits
    EXPECT_DOUBLE_EQ(FittingZoom(3.0, 450, 2000), 2.0);   // width decides: 2.5 is 500 wide
    EXPECT_DOUBLE_EQ(FittingZoom(1.3, 1920, 1440), 1.25) << "a zoom between steps snaps down";
    EXPECT_DOUBLE_EQ(FittingZoom(0.5, 1920, 1440), 1.0);
    EXPECT_DOUBLE_EQ(FittingZoom(2.0, 150, 300), 1.0) << "the terminal's own size even on a tiny screen";
    EXPECT_EQ(ZoomedWidth(1.5), 300);
    EXPECT_EQ(ZoomedHeight(1.5), 689);
}

}  // namespace
}  // namespace simulator
