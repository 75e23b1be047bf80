#include "designer/simulator/drag_gesture.h"

#include <cstdlib>

namespace simulator {

void DragGesture::Press(int x, int y) {
    state_ = State::Armed;
    pressX_ = x;
    pressY_ = y;
}

bool DragGesture::Move(int x, int y) {
    if (state_ != State::Armed) return false;
    if (std::abs(x - pressX_) + std::abs(y - pressY_) < threshold_) return false;
    state_ = State::Moving;
    return true;
}

void DragGesture::Release() { state_ = State::Idle; }

}  // namespace simulator
