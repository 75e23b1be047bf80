#pragma once
// A task, the English texts and a scripted user, ready for a property sheet.
#include <memory>

#include "common/scripted_ui.h"
#include "designer/editors/property_sheet.h"
#include "designer/strings/english_table.h"
#include "designer/task/test_support.h"

namespace editors::testing {

inline task::Task NewTask() {
    task::Task fresh;
    fresh.model = task::testing::FreshTask();
    return fresh;
}

struct SheetBench {
    task::Task task = NewTask();
    text::StringTable strings = strings::MakeStringTable();
    common::ScriptedUi ui;
    task::DefaultTexts defaults = task::testing::EnglishDefaults();

    std::unique_ptr<PropertySheet> Open() { return std::make_unique<PropertySheet>(task, strings, ui, defaults); }
};

}  // namespace editors::testing
