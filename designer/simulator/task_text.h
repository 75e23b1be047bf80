#pragma once
// Reading texts out of the task's fixed slots without trusting the bytes: a
// slot with no terminator still yields at most its screen width.
#include <cstddef>
#include <string>

#include "designer/task/task_model.h"

namespace simulator {

// The zero-terminated text of a slot of `slotSize` bytes, at most slotSize - 1 characters.
std::string SlotText(const task::Byte* slot, std::size_t slotSize);

// Up to `width` key codes, ending early at a zero (prefixes and suffixes fill their slot).
std::string KeyCodes(const task::Byte* slot, std::size_t width);

// Entry `entry` (from 0) of TerminalTexts table `table` (from 1); empty when out of range.
std::string TableText(const task::TaskModel& model, int table, int entry);

// A four-digit record count, as the clock line and counter lines show it.
std::string FourDigits(int count);

}  // namespace simulator
