#include "designer/editors/field.h"

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

std::string TextSlot::Get() const { return task::SlotText(task::ConstSlot(locate_(), width_)); }

void TextSlot::Set(const std::string& text) const { task::SetSlotText(task::Slot(locate_(), width_), text); }

}  // namespace editors
