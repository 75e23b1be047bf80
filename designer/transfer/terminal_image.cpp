#include "designer/transfer/terminal_image.h"

#include <algorithm>

#include "designer/task/normalize.h"
#include "designer/task/terminal_numbering.h"
#include "designer/task/terminal_texts_view.h"

namespace transfer {
namespace {

using task::Byte;

template <std::size_t N>
Byte* CopyBlock(const std::array<Byte, N>& block, Byte* out) {
    return std::copy(block.begin(), block.end(), out);
}

}  // namespace

TerminalImage WriteImage(const task::TaskModel& model) {
    TerminalImage out{};
    Byte* at = CopyBlock(model.barcode, out.data());
    for (const auto& menu : model.menus) at = CopyBlock(menu, at);
    for (const auto& form : model.forms) at = CopyBlock(form, at);
    for (const auto& lookup : model.lookups) at = CopyBlock(lookup, at);
    // Every text entry keeps its width, its text space-padded to the screen line.
    const task::ConstTerminalTextsView texts(model.texts);
    for (int table = 1; table <= task::kTextTableCount; ++table) {
        for (int entry = 0; entry < task::kTextTables[table - 1].entries; ++entry) {
            const task::ConstSlot text = texts.EntrySlot(table, entry);
            const task::Slot written(at, text.size());
            at = std::copy(text.begin(), text.end(), at);
            task::PadSlotText(written, text.size() - 1);
        }
    }
    at = CopyBlock(task::TerminalSettingsForTerminal(model.terminal), at);
    at = CopyBlock(task::StartupSettingsForTerminal(model.startup), at);
    CopyBlock(model.weightCode, at);
    return out;
}

TerminalImage BuildTerminalImage(task::TaskModel& model) {
    task::ClampFormFields(model);
    task::PadMenusAndCountLines(model);
    return WriteImage(model);
}

}  // namespace transfer
