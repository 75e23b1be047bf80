#include "loader/radio_file.h"

#include <algorithm>

namespace loader {
namespace {

constexpr Byte kDefaultRangedSetting = 10;
constexpr Byte kHighestRangedSetting = 99;
constexpr std::size_t kPrefixSize = 4;
constexpr std::size_t kFixedBlocksSize = 10 + 2 + 1 + 24 + 603 + kRadioTextsSize;

static_assert(kFixedBlocksSize + kSmallRadioMenus * kRadioMenuRecordSize + kSmallRadioForms * kRadioFormRecordSize ==
              kSmallRadioFileSize);
static_assert(kFixedBlocksSize + kRadioMenuSlots * kRadioMenuRecordSize + kRadioFormSlots * kRadioFormRecordSize ==
              kLargeRadioFileSize);

std::size_t VariantSize(const RadioTask& task) {
    return task.IsLarge() ? kLargeRadioFileSize : kSmallRadioFileSize;
}

// Visits the blocks of the task's variant in file order with their sizes.
template <typename Visit>
void ForEachBlock(RadioTask& task, Visit visit) {
    visit(task.firmwareId.data(), task.firmwareId.size());
    visit(task.headerA.data(), task.headerA.size());
    visit(task.headerB.data(), task.headerB.size());
    visit(task.headerC.data(), task.headerC.size());
    for (int m = 0; m < task.MenuCount(); ++m) visit(task.menus[m].data(), kRadioMenuRecordSize);
    for (int f = 0; f < task.FormCount(); ++f) visit(task.forms[f].data(), kRadioFormRecordSize);
    visit(task.blockD.data(), task.blockD.size());
    visit(task.texts.data(), task.texts.size());
}

}  // namespace

RadioDecodeResult DecodeRadioFile(const std::vector<Byte>& bytes) {
    RadioDecodeResult result;
    RadioTask& task = result.task;
    if (bytes.size() < task.firmwareId.size()) return result;
    std::copy_n(bytes.begin(), task.firmwareId.size(), task.firmwareId.begin());
    if (bytes.size() < VariantSize(task)) return result;

    std::size_t offset = 0;
    ForEachBlock(task, [&](Byte* block, std::size_t size) {
        std::copy_n(&bytes[offset], size, block);
        offset += size;
    });
    Byte& ranged = task.menus[0][radio_menu::kRangedSetting];
    if (ranged == 0 || ranged > kHighestRangedSetting) ranged = kDefaultRangedSetting;
    result.ok = true;
    return result;
}

std::vector<Byte> WithRadioPrefix(const std::vector<Byte>& file, std::string_view prefix) {
    if (file.size() < kPrefixSize || prefix.size() != kPrefixSize) return {};
    std::vector<Byte> converted = file;
    std::copy(prefix.begin(), prefix.end(), converted.begin());
    return converted;
}

}  // namespace loader
