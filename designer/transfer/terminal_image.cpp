#include "designer/transfer/terminal_image.h"

#include <algorithm>

#include "designer/task/normalize.h"

namespace transfer {
namespace {

using task::Byte;

template <std::size_t N>
Byte* CopyBlock(const std::array<Byte, N>& block, Byte* out) {
    return std::copy(block.begin(), block.end(), out);
}

// An entry keeps its width: the text up to its first zero (at most width - 1
// characters), spaces up to width - 1, then one zero.
Byte* WritePaddedEntry(const Byte* entry, std::size_t width, Byte* out) {
    const std::size_t characters = width - 1;
    const Byte* end = std::find(entry, entry + characters, Byte{0});
    out = std::copy(entry, end, out);
    out = std::fill_n(out, characters - static_cast<std::size_t>(end - entry), Byte{' '});
    *out++ = 0;
    return out;
}

// A two-bit choice whose value 0 means "none" on both sides; the others move up by one, wrapping.
Byte ShiftTwoBitField(Byte value, int shift) {
    const int field = (value >> shift) & 3;
    if (field == 0) return value;
    const int shifted = (field + 1) % 4;
    return static_cast<Byte>((value & ~(3 << shift)) | (shifted << shift));
}

}  // namespace

std::array<Byte, task::kTerminalSettingsSize> TerminalSettingsForTerminal(
    const std::array<Byte, task::kTerminalSettingsSize>& settings) {
    auto copy = settings;
    copy[0] = static_cast<Byte>(copy[0] + 1);  // keyboard type: the terminal counts from 1
    copy[1] = ShiftTwoBitField(copy[1], 1);    // shift / capital-lock type
    copy[1] = ShiftTwoBitField(copy[1], 3);    // digits layout
    return copy;
}

std::array<Byte, task::kStartupSettingsSize> StartupSettingsForTerminal(
    const std::array<Byte, task::kStartupSettingsSize>& settings) {
    auto copy = settings;
    copy[1] = copy[1] == 0 ? 1 : 11;  // program start: main menu or the first form
    // Choices the designer numbers from 0 and the terminal from 1.
    for (std::size_t offset : {5, 27, 28, 29, 31, 32, 115, 137, 138, 139}) {
        copy[offset] = static_cast<Byte>(copy[offset] + 1);
    }
    copy[30] = static_cast<Byte>(copy[30] + '0');  // backlight idle time as its digit character
    return copy;
}

TerminalImage WriteImage(const task::TaskModel& model) {
    TerminalImage out{};
    Byte* at = CopyBlock(model.barcode, out.data());
    for (const auto& menu : model.menus) at = CopyBlock(menu, at);
    for (const auto& form : model.forms) at = CopyBlock(form, at);
    for (const auto& lookup : model.lookups) at = CopyBlock(lookup, at);
    const Byte* text = model.texts.data();
    for (const auto& table : task::kTextTables) {
        for (int entry = 0; entry < table.entries; ++entry) {
            at = WritePaddedEntry(text, table.slot, at);
            text += table.slot;
        }
    }
    at = CopyBlock(TerminalSettingsForTerminal(model.terminal), at);
    at = CopyBlock(StartupSettingsForTerminal(model.startup), at);
    CopyBlock(model.weightCode, at);
    return out;
}

TerminalImage BuildTerminalImage(task::TaskModel& model) {
    task::ClampFormFields(model);
    task::PadMenusAndCountLines(model);
    return WriteImage(model);
}

}  // namespace transfer
