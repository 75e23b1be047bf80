#pragma once
// Texts in fixed slots: Windows-1251 characters up to a terminating zero
// inside a slot of a fixed number of bytes. Every record keeps its texts so;
// these are the only places that read or write them.
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "designer/task/bit_field.h"

namespace task {

using ConstSlot = std::span<const Byte>;
using Slot = std::span<Byte>;

// The characters before the first zero byte, or all of them when there is
// none: what the bytes hold, for a key-code string that may fill its slot
// and for showing a slot as it is.
std::string TextBeforeZero(ConstSlot bytes);

// The text a slot holds. Its last byte is the terminator's place, so a slot
// of n bytes yields at most n - 1 characters whatever the bytes say.
std::string SlotText(ConstSlot slot);

// `text`, cut to the slot's size - 1, with every byte after it zero.
void SetSlotText(Slot slot, std::string_view text);

// Zeroes every byte from `characters` on: the text is cut to that many
// characters and the bytes before the cut are left as they were.
void CutSlotText(Slot slot, std::size_t characters);

// The text (up to its first zero within `characters`) followed by spaces up
// to `characters`, then a zero: what the terminal expects of a fixed-width
// screen line. Needs a slot of at least characters + 1 bytes; later bytes
// are left as they were.
void PadSlotText(Slot slot, std::size_t characters);

}  // namespace task
