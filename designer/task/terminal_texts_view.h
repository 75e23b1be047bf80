#pragma once
// Typed access to TerminalTexts: the 27 tables (1..27) of the terminal's
// built-in screens, each a run of 16- or 21-byte text slots (entries from 0).
#include <string>
#include <string_view>

#include "designer/task/record_view.h"
#include "designer/task/task_model.h"

namespace task {

// Whether table `table` has an entry `entry`.
constexpr bool HasTextEntry(int table, int entry) {
    return table >= 1 && table <= kTextTableCount && entry >= 0 && entry < kTextTables[table - 1].entries;
}

class ConstTerminalTextsView : public ConstRecordView<kTerminalTextsSize> {
public:
    explicit ConstTerminalTextsView(const TerminalTexts& texts) : ConstRecordView(texts) {}

    // The entry must exist.
    ConstSlot EntrySlot(int table, int entry) const {
        return SlotAt(TextOffset(table, entry), kTextTables[table - 1].slot);
    }
    // Empty for an entry that does not exist.
    std::string Text(int table, int entry) const {
        return HasTextEntry(table, entry) ? SlotText(EntrySlot(table, entry)) : std::string();
    }
};

class TerminalTextsView : public RecordView<ConstTerminalTextsView, kTerminalTextsSize> {
public:
    explicit TerminalTextsView(TerminalTexts& texts) : RecordView(texts) {}

    Slot EntrySlot(int table, int entry) const {
        return WritableSlotAt(TextOffset(table, entry), kTextTables[table - 1].slot);
    }
    // The text cut to the entry's width.
    void SetText(int table, int entry, std::string_view text) const { SetSlotText(EntrySlot(table, entry), text); }
};

}  // namespace task
