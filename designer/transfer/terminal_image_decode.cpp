#include "designer/transfer/terminal_image_decode.h"

#include <algorithm>

#include "designer/task/terminal_numbering.h"
#include "designer/task/terminal_texts_view.h"

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
const Byte* TakePaddedEntry(const Byte* in, task::Slot slot) {
    task::SetSlotText(slot, task::TextBeforeZero(task::ConstSlot(in, slot.size() - 1)));
    return in + slot.size();
}

}  // namespace

task::TaskModel DecodeTerminalImage(const TerminalImage& image) {
    task::TaskModel model;
    task::WriteFirmwareId(model);
    const Byte* at = TakeBlock(image.data(), model.barcode);
    for (auto& menu : model.menus) at = TakeBlock(at, menu);
    for (auto& form : model.forms) at = TakeBlock(at, form);
    for (auto& lookup : model.lookups) at = TakeBlock(at, lookup);
    const task::TerminalTextsView texts(model.texts);
    for (int table = 1; table <= task::kTextTableCount; ++table) {
        for (int entry = 0; entry < task::kTextTables[table - 1].entries; ++entry) {
            at = TakePaddedEntry(at, texts.EntrySlot(table, entry));
        }
    }
    task::TerminalSettings terminal{};
    at = TakeBlock(at, terminal);
    model.terminal = task::TerminalSettingsFromTerminal(terminal);
    task::StartupSettings startup{};
    at = TakeBlock(at, startup);
    model.startup = task::StartupSettingsFromTerminal(startup);
    TakeBlock(at, model.weightCode);
    return model;
}

}  // namespace transfer
