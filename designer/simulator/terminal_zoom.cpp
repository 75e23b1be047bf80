#include "designer/simulator/terminal_zoom.h"

#include <algorithm>
#include <cmath>

#include "designer/simulator/terminal_layout.h"

namespace simulator {
namespace {

// Steps are compared with room for the rounding of a zoom read back from a file.
constexpr double kSlack = 1e-6;

}  // namespace

double NextZoomStep(double zoom) {
    const auto next = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), zoom + kSlack);
    return next == kZoomSteps.end() ? kZoomSteps.back() : *next;
}

double PreviousZoomStep(double zoom) {
    const auto next = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), zoom - kSlack);
    return next == kZoomSteps.begin() ? kZoomSteps.front() : *(next - 1);
}

double FittingZoom(double wanted, int width, int height) {
    double chosen = kZoomSteps.front();
    for (double step : kZoomSteps) {
        if (step > wanted + kSlack) break;
        if (ZoomedWidth(step) <= width && ZoomedHeight(step) <= height) chosen = step;
    }
    return chosen;
}

int ZoomedWidth(double zoom) { return static_cast<int>(std::lround(kPictureWidth * zoom)); }

int ZoomedHeight(double zoom) { return static_cast<int>(std::lround(kPictureHeight * zoom)); }

}  // namespace simulator
