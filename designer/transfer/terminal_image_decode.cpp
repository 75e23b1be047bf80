#include "designer/transfer/terminal_image_decode.h"

#include <algorithm>
#include <cstring>

namespace transfer {
namespace {

using task::Byte;

template <std::size_t N>
const Byte* TakeBlock(const Byte* in, std::array<Byte, N>& block) {
    std::copy_n(in, N, block.begin());
    return in + N;
}

// An entry is kept with its padding spaces: which of them the task's text
// had cannot be told, and kept they give the very same image again.
const Byte* TakePaddedEntry(const Byte* in, std::size_t width, Byte* slot) {
    const Byte* end = std::find(in, in + width - 1, Byte{0});
    std::fill_n(slot, width, Byte{0});
    std::copy(in, end, slot);
    return in + width;
}

// The image moves a non-zero two-bit choice up by one, wrapping; this moves it back.
Byte UnshiftTwoBitField(Byte value, int shift) {
    const int field = (value >> shift) & 3;
    if (field == 0) return value;
    const int original = (field + 3) % 4;
    return static_cast<Byte>((value & ~(3 << shift)) | (original << shift));
}

}  // namespace

std::array<Byte, task::kTerminalSettingsSize> TerminalSettingsFromTerminal(
    const std::array<Byte, task::kTerminalSettingsSize>& settings) {
    auto copy = settings;
    copy[0] = static_cast<Byte>(copy[0] - 1);
    copy[1] = UnshiftTwoBitField(copy[1], 1);
    copy[1] = UnshiftTwoBitField(copy[1], 3);
    return copy;
}

std::array<Byte, task::kStartupSettingsSize> StartupSettingsFromTerminal(
    const std::array<Byte, task::kStartupSettingsSize>& settings) {
    auto copy = settings;
    copy[1] = copy[1] == 1 ? 0 : 1;
    for (std::size_t offset : {5, 27, 28, 29, 31, 32, 115, 137, 138, 139}) {
        copy[offset] = static_cast<Byte>(copy[offset] - 1);
    }
    copy[30] = static_cast<Byte>(copy[30] - '0');
    return copy;
}

task::TaskModel DecodeTerminalImage(const TerminalImage& image) {
    task::TaskModel model;
    std::memcpy(model.firmwareId.data(), task::kFirmwareId, sizeof task::kFirmwareId - 1);
    const Byte* at = TakeBlock(image.data(), model.barcode);
    for (auto& menu : model.menus) at = TakeBlock(at, menu);
    for (auto& form : model.forms) at = TakeBlock(at, form);
    for (auto& lookup : model.lookups) at = TakeBlock(at, lookup);
    Byte* text = model.texts.data();
    for (const auto& table : task::kTextTables) {
        for (int entry = 0; entry < table.entries; ++entry) {
            at = TakePaddedEntry(at, table.slot, text);
            text += table.slot;
        }
    }
    std::array<Byte, task::kTerminalSettingsSize> terminal{};
    at = TakeBlock(at, terminal);
    model.terminal = TerminalSettingsFromTerminal(terminal);
    std::array<Byte, task::kStartupSettingsSize> startup{};
    at = TakeBlock(at, startup);
    model.startup = StartupSettingsFromTerminal(startup);
    TakeBlock(at, model.weightCode);
    return model;
}

}  // namespace transfer
