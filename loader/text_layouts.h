#pragma once
// TerminalTexts in the two layouts of the batch task files. Both hold the
// same 27 tables with the same numbers of entries; the mixed layout (8000,
// 8300) gives some tables 16-byte entries, the wide layout gives every entry
// 21 bytes. The loader keeps a task's texts in both so it can write either
// layout without reading the file again.
#include <array>
#include <cstddef>

#include "designer/task/task_model.h"
#include "loader/batch_models.h"

namespace loader {

constexpr std::size_t kWideTextsSize = 2793;
using MixedTexts = std::array<Byte, task::kTerminalTextsSize>;
using WideTexts = std::array<Byte, kWideTextsSize>;

// Offset of entry `entry` (from 0) of table `table` (from 1) in the wide layout.
constexpr std::size_t WideTextOffset(int table, int entry) {
    int before = 0;
    for (int t = 0; t < table - 1; ++t) before += task::kTextTables[t].entries;
    return static_cast<std::size_t>(before + entry) * task::kWideSlot;
}

static_assert(WideTextOffset(28, 0) == kWideTextsSize, "133 entries of 21 bytes");

// The same entry's offset in either layout.
std::size_t TextEntryOffset(TextLayout layout, int table, int entry);

// Each of `count` entries of `width` bytes keeps its text up to its first NUL,
// spaces follow it, and the last byte becomes NUL in every case: a text that
// filled its entry loses its last character.
void PadEntries(Byte* buffer, std::size_t width, int count);

// Every table of the mixed layout padded with its own entry width.
void PadMixedTables(MixedTexts& texts);

// A 16-byte entry takes the first 16 bytes of its wide entry, a 21-byte entry
// all 21; the last byte of each becomes NUL.
MixedTexts MixedFromWide(const WideTexts& wide);

// A 16-byte entry fills the first 16 bytes of its wide entry and zero bytes
// follow it; a 21-byte entry is copied whole.
WideTexts WideFromMixed(const MixedTexts& mixed);

}  // namespace loader
