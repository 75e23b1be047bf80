#include "loader/link/radio_image.h"

#include <algorithm>

#include "loader/text_layouts.h"

namespace loader {
namespace {

constexpr Byte kNoSecondHeader = 1;
constexpr Byte kLargeVariant = 26;
constexpr Byte kSmallVariant = 6;

Byte FamilyVersion() {
    const auto digit = [](char c) { return c - '0'; };
    return static_cast<Byte>(100 * digit(kRadioFamilyId[6]) + 10 * digit(kRadioFamilyId[7]) +
                             digit(kRadioFamilyId[8]));
}

template <typename Block>
Byte* Append(const Block& block, Byte* out) {
    return std::copy(block.begin(), block.end(), out);
}

}  // namespace

int RadioBlocks(const RadioTask& task) { return task.IsLarge() ? kLargeRadioBlocks : kSmallRadioBlocks; }

RadioImage BuildRadioImage(const RadioTask& task) {
    RadioImage image{};
    image[0] = FamilyVersion();
    image[1] = task.headerB[0] == 0 ? kNoSecondHeader : task.IsLarge() ? kLargeVariant : kSmallVariant;
    Byte* at = Append(task.headerC, &image[2]);
    for (int m = 0; m < task.MenuCount(); ++m) at = Append(task.menus[m], at);
    for (int f = 0; f < task.FormCount(); ++f) at = Append(task.forms[f], at);
    at = Append(task.blockD, at);
    Byte* texts = at;
    Append(task.texts, texts);
    for (const RadioTextBlock& block : kRadioTextBlocks) {
        PadEntries(texts, block.width, block.entries);
        texts += block.width * static_cast<std::size_t>(block.entries);
    }
    return image;
}

}  // namespace loader
