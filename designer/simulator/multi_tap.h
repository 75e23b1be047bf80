#pragma once
// Letters from the numeric keys: each key stands for a few characters, and
// pressing it again while its character is still pending steps to the next.
// The pending character is committed by another key or after a pause.
namespace simulator {

class MultiTap {
public:
    // The base character of a key in alphabetic entry; 0 for keys without letters.
    static char BaseCharacter(int key);

    // Key `key` was pressed in alphabetic entry (the caller has already
    // committed a letter pending on another key).
    void Press(int key);

    // One 100 ms tick; true when the pending letter is now due to be committed.
    bool Tick();

    bool Pending() const { return pending_; }
    char PendingCharacter() const;
    int PendingKey() const { return key_; }

    // The pending character, which is no longer pending.
    char Take();
    void Clear();

private:
    bool pending_ = false;
    int key_ = 0;
    int variant_ = 0;
    int ticks_ = 0;
};

}  // namespace simulator
