// The simulator's engine fed a task's bytes (any of them, not only a valid
// file's) and a run of keys and timer ticks: the screen stays within its
// eight lines and their width, and the counters stay sane.
#include <algorithm>

#include "common/clock.h"
#include "designer/simulator/engine.h"
#include "designer/simulator/local_time.h"
#include "designer/strings/english_table.h"
#include "designer/task/defaults.h"
#include "designer/task/task_file.h"
#include "fuzz/fuzz_input.h"
#include "testing/scripted_ui.h"

namespace {

template <std::size_t N>
void Fill(std::array<task::Byte, N>& block, const std::string& bytes, std::size_t offset) {
    for (std::size_t i = 0; i < N && offset + i < bytes.size(); ++i) block[i] = static_cast<task::Byte>(bytes[offset + i]);
}

// The body of a task file laid over the blocks as they are, without the
// reader's checks and repairs: the engine must cope with any bytes.
void LayOver(task::TaskModel& model, const std::string& body) {
    namespace file = task::file;
    Fill(model.barcode, body, file::kBarcode);
    for (int m = 0; m < task::kMenuCount; ++m) Fill(model.menus[m], body, file::kMenus + m * task::kMenuRecordSize);
    for (int f = 0; f < task::kFormCount; ++f) Fill(model.forms[f], body, file::kForms + f * task::kFormRecordSize);
    for (int l = 0; l < task::kLookupCount; ++l) Fill(model.lookups[l], body, file::kLookups + l * task::kLookupRecordSize);
    Fill(model.texts, body, file::kTexts);
    Fill(model.terminal, body, file::kTerminal);
    Fill(model.startup, body, file::kStartup);
    Fill(model.weightCode, body, file::kWeightCode);
}

void RequireScreenInBounds(const simulator::ScreenBuffer& screen) {
    using fuzz::Require;
    for (const std::string& line : screen.lines) {
        Require(line.size() <= static_cast<std::size_t>(simulator::kLineCharacters), "a screen line too long");
    }
    Require(screen.highlight >= 0 && screen.highlight <= simulator::kScreenLines, "a highlight off the screen");
    Require(screen.cursorRow >= -1 && screen.cursorRow < simulator::kScreenLines, "a cursor row off the screen");
    Require(screen.cursorColumn >= 0 && screen.cursorColumn < simulator::kLineCharacters, "a cursor column off the screen");
    Require(screen.columns == 15 || screen.columns == 20, "a screen neither 15 nor 20 characters wide");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fuzz::Require;
    static text::StringTable strings = strings::MakeStringTable();
    static const task::DefaultTexts defaults = task::LoadDefaultTexts(strings);
    static const task::TaskModel fresh = [] {
        task::TaskModel model;
        task::MakeNewTask(model, defaults);
        return model;
    }();

    fuzz::Input input(data, size);
    task::Task task;
    task.model = fresh;
    LayOver(task.model, input.Take(task::kTaskBodyEnd));

    test_support::ScriptedUi ui;
    common::TestClock clock;
    simulator::ClockedLocalTime time({2024, 2, 29, 23, 59, 50}, clock);
    simulator::Engine engine(task, strings, ui, time);
    engine.SetNewTaskRequest([&] {
        task.model = fresh;
        engine.RestartAtMainMenu();
    });
    engine.PressKey(simulator::kRestartKey);
    while (!input.Empty()) {
        const int action = input.Below(simulator::kKeyCount + 3);
        if (action < simulator::kKeyCount) {
            engine.PressKey(action + 1);
        } else if (action == simulator::kKeyCount) {
            engine.PressKey(simulator::kRestartKey);
        } else if (action == simulator::kKeyCount + 1) {
            clock.Advance(100);
            engine.Tick();
        } else {
            engine.RestartAtMainMenu();
        }
        RequireScreenInBounds(engine.Screen());
        Require(task.recordCounter >= 0, "a negative record count");
    }
    return 0;
}
