#pragma once
// The image a radio terminal receives: a small header of the loader's own,
// then the task's blocks with every text entry space-padded. The small
// variant's image fills 50 blocks, the large one's 182.
#include <array>
#include <cstddef>
#include <string_view>

#include "loader/radio_task.h"

namespace loader {

constexpr std::size_t kRadioImageSize = 20000;
using RadioImage = std::array<Byte, kRadioImageSize>;

constexpr int kSmallRadioBlocks = 50;
constexpr int kLargeRadioBlocks = 182;

// The radio family's identifier the loader holds; its version digits (102)
// open every radio image.
constexpr std::string_view kRadioFamilyId = "80xxRU102";

// HowCikl of mode 3, by the variant the task's own identifier names.
int RadioBlocks(const RadioTask& task);

// The image of a task as NormalizeRadioTask prepared it:
//   byte 0      102, from the family identifier's version digits
//   byte 1      1 when the task's one-byte header is 0, else 26 (large) or 6 (small)
//   2..25       the 24-byte header
//   then        the menus (1 or 10), the forms (5 or 25), the 603-byte block
//               after them and the nine text blocks, each entry padded
//   the rest    zero
RadioImage BuildRadioImage(const RadioTask& task);

}  // namespace loader
