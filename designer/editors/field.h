#pragma once
// A value of a record as one control sees it: a whole byte, a bit field of a
// byte, or a little-endian 16-bit word; and a fixed text slot. A field finds
// its bytes anew on every use, because the record a page shows changes (the
// form chosen in "Name", the line a dialog was opened for).
#include <cstddef>
#include <functional>
#include <string>

#include "designer/task/bit_field.h"
#include "designer/task/task_model.h"

namespace editors {

using task::Byte;

// Where the first byte of a field is now.
using Locate = std::function<Byte*()>;

class Field {
public:
    static Field Whole(Locate byte) { return Field(std::move(byte), {0, 8}, false); }
    static Field Bits(Locate byte, task::BitField bits) { return Field(std::move(byte), bits, false); }
    // Two bytes, the low one first.
    static Field Word(Locate low) { return Field(std::move(low), {0, 8}, true); }

    int Get() const;
    // A value wider than the field keeps only the bits it holds.
    void Set(int value) const;

private:
    Field(Locate locate, task::BitField bits, bool word) : locate_(std::move(locate)), bits_(bits), word_(word) {}

    Locate locate_;
    task::BitField bits_;
    bool word_;
};

// A zero-terminated Windows-1251 text in a fixed slot of `width` bytes.
class TextSlot {
public:
    TextSlot(Locate slot, std::size_t width) : locate_(std::move(slot)), width_(width) {}
    // A text that may fill its slot whole, zero-padded but without a
    // terminator when full (a leading code, a GS1 identifier).
    static TextSlot Filling(Locate slot, std::size_t width) {
        TextSlot filling(std::move(slot), width);
        filling.terminated_ = false;
        return filling;
    }

    std::string Get() const;
    // At most width - 1 characters (width when it may fill the slot), the rest of the slot zero.
    void Set(const std::string& text) const;

private:
    Locate locate_;
    std::size_t width_;
    bool terminated_ = true;
};

}  // namespace editors
