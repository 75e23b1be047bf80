#pragma once
// A value of a record as one control sees it: a whole byte, a few bits of a
// byte, or a little-endian 16-bit word; and a fixed text slot. A field finds
// its bytes anew on every use, because the record a page shows changes (the
// form chosen in "Name", the line a dialog was opened for).
#include <cstddef>
#include <functional>
#include <string>

#include "designer/task/task_model.h"

namespace editors {

using task::Byte;

// Where the first byte of a field is now.
using Locate = std::function<Byte*()>;

class Field {
public:
    static Field Whole(Locate byte);
    // `width` bits of a byte starting at bit `shift` (bit 0 the least significant).
    static Field Bits(Locate byte, int shift, int width);
    // Two bytes, the low one first.
    static Field Word(Locate low);

    int Get() const;
    // Values wider than the field keep only the bits it holds.
    void Set(int value) const;

private:
    Field(Locate locate, int shift, int width) : locate_(std::move(locate)), shift_(shift), width_(width) {}

    Locate locate_;
    int shift_ = 0;
    int width_ = 8;  // 16 for a word
};

// A zero-terminated Windows-1251 text in a fixed slot of `width` bytes.
class TextSlot {
public:
    TextSlot(Locate slot, std::size_t width) : locate_(std::move(slot)), width_(width) {}

    std::string Get() const;
    // At most width - 1 characters, the rest of the slot zero, so no text runs into the next slot.
    void Set(const std::string& text) const;
    std::size_t Width() const { return width_; }

private:
    Locate locate_;
    std::size_t width_;
};

}  // namespace editors
