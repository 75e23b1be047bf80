#pragma once
// What a radio terminal expects of a task beyond its file: padded captions
// and items, counts of items and fields, and code lists as bytes.
#include "loader/radio_task.h"

namespace loader {

// The task as it is sent to a radio terminal; `task` itself stays as read,
// so a second download normalises the same texts again.
//  - Text width w: 12 when the first menu uses the large font, else 16.
//  - Shown captions of all ten menus, and the items of the first eight, that
//    are shorter than w get spaces up to w, a NUL, and zeros after it; each of
//    those eight menus counts its items that show a character above a space.
//  - Each form clears the flags of fields that take no input and counts its
//    fields up to the last of type 1..6 or 13.
//  - Flagged code lists of digits and spaces become one byte per nonzero
//    number, ended by a NUL, within their ten bytes.
RadioTask NormalizeRadioTask(const RadioTask& task);

}  // namespace loader
