#pragma once
// Moving the borderless window by its case. A press on the case only arms the
// move; the window moves once the mouse has gone far enough with the button
// still held. A click without a move therefore never starts one: a window
// manager asked to move the window at the press keeps it following the mouse
// when the release comes before it has taken the pointer.
namespace simulator {

class DragGesture {
public:
    // `threshold`: how far (across plus down) the mouse must go before the move starts.
    explicit DragGesture(int threshold) : threshold_(threshold) {}

    void Press(int x, int y);
    // The mouse at (x, y) with the button held. True once: when the move starts.
    bool Move(int x, int y);
    // The button went up, or the move was handed over to the window system.
    void Release();

    bool Armed() const { return state_ == State::Armed; }
    bool Moving() const { return state_ == State::Moving; }

private:
    enum class State { Idle, Armed, Moving };

    int threshold_;
    State state_ = State::Idle;
    int pressX_ = 0;
    int pressY_ = 0;
};

}  // namespace simulator
