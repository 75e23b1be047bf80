#pragma once
// The radio terminals' task file (*.ATF) as the loader holds it. The loader
// passes most of it through; it knows the menus and forms as far as it
// normalises them before a download.
#include <array>
#include <cstddef>

#include "loader/batch_models.h"

namespace loader {

constexpr std::size_t kRadioMenuRecordSize = 221;
constexpr std::size_t kRadioFormRecordSize = 567;
using RadioMenuRecord = std::array<Byte, kRadioMenuRecordSize>;
using RadioFormRecord = std::array<Byte, kRadioFormRecordSize>;

// The large variant holds 10 menus and 25 forms, the small one 1 and 5.
constexpr int kRadioMenuSlots = 10;
constexpr int kRadioFormSlots = 25;
constexpr int kSmallRadioMenus = 1;
constexpr int kSmallRadioForms = 5;

// The nine text blocks that end the file: entries of each and their width.
struct RadioTextBlock {
    int entries;
    std::size_t width;
};
constexpr std::array<RadioTextBlock, 9> kRadioTextBlocks = {{
    {3, 16}, {9, 21}, {8, 21}, {4, 21}, {4, 16}, {5, 21}, {4, 16}, {8, 21}, {8, 16},
}};
constexpr std::size_t kRadioTextsSize = 1018;

namespace radio_menu {
constexpr std::size_t kFont = 0;  // nonzero: large font
constexpr std::size_t kShowCaption = 1;
constexpr std::size_t kCaption = 2;  // 21 bytes
constexpr std::size_t kItems = 23;   // 8 x 21 bytes
constexpr int kItemCount = 8;
constexpr std::size_t kRangedSetting = 200;  // first record only: kept within 1..99
constexpr std::size_t kVisibleItems = 201;
}  // namespace radio_menu

// Per-field arrays: field j at base + j, or base + width * j.
namespace radio_form {
constexpr std::size_t kMode = 3;
constexpr std::size_t kFieldFlag = 4;
constexpr std::size_t kFieldType = 12;
constexpr std::size_t kPrompt = 20;  // 8 x 21 bytes
constexpr std::size_t kPromptWidth = 21;
constexpr std::size_t kSecondFlag = 212;
constexpr std::size_t kFirstListFlag = 300;
constexpr std::size_t kFirstList = 308;  // 8 x 10 bytes
constexpr std::size_t kSecondListFlag = 388;
constexpr std::size_t kSecondList = 396;  // 8 x 10 bytes
constexpr std::size_t kCodeListWidth = 10;
constexpr std::size_t kFieldCount = 565;
constexpr int kFields = 8;
}  // namespace radio_form

struct RadioTask {
    FirmwareId firmwareId{};  // "80xxRU102"...; its ninth character chooses the variant
    std::array<Byte, 2> headerA{};
    std::array<Byte, 1> headerB{};
    std::array<Byte, 24> headerC{};
    // Always room for the large variant; a small task leaves the rest zero.
    std::array<RadioMenuRecord, kRadioMenuSlots> menus{};
    std::array<RadioFormRecord, kRadioFormSlots> forms{};
    std::array<Byte, 603> blockD{};
    std::array<Byte, kRadioTextsSize> texts{};

    bool IsLarge() const { return firmwareId[8] == '3'; }
    int MenuCount() const { return IsLarge() ? kRadioMenuSlots : kSmallRadioMenus; }
    int FormCount() const { return IsLarge() ? kRadioFormSlots : kSmallRadioForms; }

    bool operator==(const RadioTask&) const = default;
};

}  // namespace loader
