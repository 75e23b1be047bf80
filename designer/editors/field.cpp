#include "designer/editors/field.h"

#include <algorithm>

#include "designer/task/defaults.h"

namespace editors {

Field Field::Whole(Locate byte) { return Field(std::move(byte), 0, 8); }

Field Field::Bits(Locate byte, int shift, int width) { return Field(std::move(byte), shift, width); }

Field Field::Word(Locate low) { return Field(std::move(low), 0, 16); }

int Field::Get() const {
    const Byte* bytes = locate_();
    if (width_ == 16) return bytes[0] | (bytes[1] << 8);
    return (bytes[0] >> shift_) & ((1 << width_) - 1);
}

void Field::Set(int value) const {
    Byte* bytes = locate_();
    if (width_ == 16) {
        bytes[0] = static_cast<Byte>(value & 0xFF);
        bytes[1] = static_cast<Byte>((value >> 8) & 0xFF);
        return;
    }
    const int mask = ((1 << width_) - 1) << shift_;
    bytes[0] = static_cast<Byte>((bytes[0] & ~mask) | ((value << shift_) & mask));
}

std::string TextSlot::Get() const {
    const Byte* slot = locate_();
    const Byte* end = std::find(slot, slot + width_, Byte{0});
    return std::string(slot, end);
}

void TextSlot::Set(const std::string& text) const { task::PutText(locate_(), width_, text); }

}  // namespace editors
