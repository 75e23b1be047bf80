#pragma once
// How large the drawn terminal may be shown: a few fixed steps from its own
// size to three times it, and never larger than the room it has on its screen.
#include <array>

namespace simulator {

inline constexpr std::array<double, 7> kZoomSteps = {1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0};

// The step after, and before, `zoom`; the end step itself at either end.
double NextZoomStep(double zoom);
double PreviousZoomStep(double zoom);

// The largest step not above `wanted` at which the whole picture fits a room
// of `width` x `height` pixels; the smallest step when none does.
double FittingZoom(double wanted, int width, int height);

// The picture's width and height at `zoom`, in whole pixels.
int ZoomedWidth(double zoom);
int ZoomedHeight(double zoom);

}  // namespace simulator
