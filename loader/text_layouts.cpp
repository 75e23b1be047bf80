#include "loader/text_layouts.h"

#include <algorithm>

namespace loader {
namespace {

using task::kTextTables;

constexpr int kTableCount = static_cast<int>(kTextTables.size());

// Calls visit(mixedOffset, wideOffset, mixedWidth) for every entry of every table.
template <typename Visit>
void ForEachEntry(Visit visit) {
    for (int t = 1; t <= kTableCount; ++t) {
        for (int e = 0; e < kTextTables[t - 1].entries; ++e) {
            visit(task::TextOffset(t, e), WideTextOffset(t, e), kTextTables[t - 1].slot);
        }
    }
}

}  // namespace

std::size_t TextEntryOffset(TextLayout layout, int table, int entry) {
    return layout == TextLayout::Wide ? WideTextOffset(table, entry) : task::TextOffset(table, entry);
}

void PadEntries(Byte* buffer, std::size_t width, int count) {
    for (int i = 0; i < count; ++i) {
        Byte* entry = buffer + static_cast<std::size_t>(i) * width;
        Byte* end = entry + width;
        std::fill(std::find(entry, end, Byte{0}), end, Byte{' '});
        end[-1] = 0;
    }
}

void PadMixedTables(MixedTexts& texts) {
    for (int t = 1; t <= kTableCount; ++t) {
        PadEntries(&texts[task::TextTableOffset(t)], kTextTables[t - 1].slot, kTextTables[t - 1].entries);
    }
}

MixedTexts MixedFromWide(const WideTexts& wide) {
    MixedTexts mixed{};
    ForEachEntry([&](std::size_t mixedAt, std::size_t wideAt, std::size_t width) {
        std::copy_n(&wide[wideAt], width, &mixed[mixedAt]);
        mixed[mixedAt + width - 1] = 0;
    });
    return mixed;
}

WideTexts WideFromMixed(const MixedTexts& mixed) {
    WideTexts wide{};
    ForEachEntry([&](std::size_t mixedAt, std::size_t wideAt, std::size_t width) {
        std::copy_n(&mixed[mixedAt], width, &wide[wideAt]);
    });
    return wide;
}

}  // namespace loader
