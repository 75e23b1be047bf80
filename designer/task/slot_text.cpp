#include "designer/task/slot_text.h"

#include <algorithm>

namespace task {

std::string TextBeforeZero(ConstSlot bytes) {
    const auto end = std::find(bytes.begin(), bytes.end(), Byte{0});
    return std::string(bytes.begin(), end);
}

std::string SlotText(ConstSlot slot) { return slot.empty() ? std::string() : TextBeforeZero(slot.first(slot.size() - 1)); }

void SetSlotText(Slot slot, std::string_view text) {
    std::fill(slot.begin(), slot.end(), Byte{0});
    if (slot.empty()) return;
    const std::size_t length = std::min(text.size(), slot.size() - 1);
    std::copy_n(text.begin(), length, slot.begin());
}

void CutSlotText(Slot slot, std::size_t characters) {
    if (characters < slot.size()) std::fill(slot.begin() + static_cast<std::ptrdiff_t>(characters), slot.end(), Byte{0});
}

void PadSlotText(Slot slot, std::size_t characters) {
    const auto line = slot.first(characters);
    const auto end = std::find(line.begin(), line.end(), Byte{0});
    std::fill(end, line.end(), Byte{' '});
    slot[characters] = 0;
}

}  // namespace task
