#include "designer/editors/screen_texts.h"

#include <algorithm>

#include "designer/strings/string_ids.h"
#include "designer/task/startup_view.h"
#include "designer/task/terminal_texts_view.h"

namespace editors {
namespace {

using screens::kStartupTexts;
using screens::TextEntry;


// Every entry in order: the tables, then the start-up texts.
template <typename Visit>
void ForEachEntry(Visit visit) {
    for (int t = 1; t <= task::kTextTableCount; ++t) {
        for (int e = 0; e < task::kTextTables[t - 1].entries; ++e) visit(TextEntry{t, e});
    }
    for (int e = 0; e < task::startup::kExtraTextCount; ++e) visit(TextEntry{kStartupTexts, e});
}

std::size_t EntryCount() {
    std::size_t count = 0;
    ForEachEntry([&count](TextEntry) { ++count; });
    return count;
}

task::ConstSlot SlotIn(const task::TaskModel& model, TextEntry entry) {
    if (entry.table == kStartupTexts) return task::ConstStartupView(model.startup).ExtraTextSlot(entry.entry);
    return task::ConstTerminalTextsView(model.texts).EntrySlot(entry.table, entry.entry);
}

task::Slot SlotIn(task::TaskModel& model, TextEntry entry) {
    if (entry.table == kStartupTexts) return task::StartupView(model.startup).ExtraTextSlot(entry.entry);
    return task::TerminalTextsView(model.texts).EntrySlot(entry.table, entry.entry);
}

bool IsWide(TextEntry entry) {
    return entry.table == kStartupTexts || task::kTextTables[entry.table - 1].slot == task::kWideSlot;
}

}  // namespace

int DefaultTextId(TextEntry entry, bool narrow) {
    const int wide = entry.table == kStartupTexts ? strings::id::kFirstExtraTextWide + entry.entry
                     : task::kTextTables[entry.table - 1].firstStringId == 0
                         ? 0
                         : task::kTextTables[entry.table - 1].firstStringId + entry.entry;
    if (!narrow || wide == 0 || !IsWide(entry)) return wide;
    return task::NarrowVariantOf(wide);
}

ScreenTexts::ScreenTexts() : entries_(EntryCount()) {}

std::size_t ScreenTexts::Index(TextEntry entry) const {
    if (entry.table == kStartupTexts) return entries_.size() - task::startup::kExtraTextCount + entry.entry;
    std::size_t index = 0;
    for (int t = 1; t < entry.table; ++t) index += static_cast<std::size_t>(task::kTextTables[t - 1].entries);
    return index + static_cast<std::size_t>(entry.entry);
}

task::Slot ScreenTexts::Entry(TextEntry entry) { return entries_[Index(entry)]; }

task::ConstSlot ScreenTexts::Entry(TextEntry entry) const { return entries_[Index(entry)]; }

void ScreenTexts::Load(const task::TaskModel& model) {
    ForEachEntry([&](TextEntry entry) {
        const task::ConstSlot from = SlotIn(model, entry);
        const task::Slot to = Entry(entry);
        std::fill(std::copy(from.begin(), from.end(), to.begin()), to.end(), task::Byte{0});
    });
}

void ScreenTexts::Store(task::TaskModel& model) const {
    ForEachEntry([&](TextEntry entry) { task::SetSlotText(SlotIn(model, entry), task::SlotText(Entry(entry))); });
}

void ScreenTexts::ApplyWidth(const task::DefaultTexts& defaults, bool narrow) {
    ForEachEntry([&](TextEntry entry) {
        if (!IsWide(entry) || DefaultTextId(entry, true) == 0) return;
        task::SetSlotText(Entry(entry), defaults.Text(DefaultTextId(entry, narrow)));
    });
}

}  // namespace editors
