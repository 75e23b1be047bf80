#pragma once
// While a block is sent and acknowledged, the loader's thread runs at the
// highest priority the system grants it, so a busy computer does not keep
// the terminal waiting for the rest of a frame. Where the system refuses
// (an unprivileged user on POSIX), the thread keeps its normal priority.
namespace loader {

// Raises the calling thread's priority for the guard's lifetime and puts it
// back to what it was on every way out.
class RaisedPriority {
public:
    RaisedPriority();
    ~RaisedPriority();
    RaisedPriority(const RaisedPriority&) = delete;
    RaisedPriority& operator=(const RaisedPriority&) = delete;

    // Whether the system granted the raise.
    bool Raised() const { return raised_; }

private:
    int saved_ = 0;
    bool raised_ = false;
};

}  // namespace loader
