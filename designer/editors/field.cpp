#include "designer/editors/field.h"

#include <algorithm>

#include "designer/task/slot_text.h"

namespace editors {

int Field::Get() const {
    const Byte* bytes = locate_();
    if (word_) return bytes[0] | (bytes[1] << 8);
    return bits_.Of(bytes[0]);
}

void Field::Set(int value) const {
    Byte* bytes = locate_();
    if (word_) {
        bytes[0] = static_cast<Byte>(value & 0xFF);
        bytes[1] = static_cast<Byte>((value >> 8) & 0xFF);
    } else {
        bytes[0] = bits_.With(bytes[0], static_cast<unsigned>(value));
    }
}

std::string TextSlot::Get() const {
    const task::ConstSlot slot(locate_(), width_);
    return terminated_ ? task::SlotText(slot) : task::TextBeforeZero(slot);
}

void TextSlot::Set(const std::string& text) const {
    const task::Slot slot(locate_(), width_);
    if (terminated_) {
        task::SetSlotText(slot, text);
        return;
    }
    std::fill(slot.begin(), slot.end(), Byte{0});
    std::copy_n(text.begin(), std::min(text.size(), slot.size()), slot.begin());
}

}  // namespace editors
