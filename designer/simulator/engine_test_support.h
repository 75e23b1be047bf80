#pragma once
// A new task on a running engine with a fixed date, for the engine's tests.
#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <string>

#include "common/clock.h"
#include "testing/scripted_ui.h"
#include "designer/simulator/engine.h"
#include "designer/simulator/local_time.h"
#include "designer/strings/english_table.h"
#include "designer/task/form_view.h"
#include "designer/task/task_model.h"
#include "designer/task/test_support.h"

namespace simulator::testing {

struct FieldSetup {
    int type = task::form::kText;
    std::string prompt;
    int maxLength = 80;
    int minLength = 0;
};

inline void SetField(task::FormRecord& form, int line, const FieldSetup& field) {
    const task::FormView view(form);
    view.SetType(line, static_cast<task::Byte>(field.type));
    view.SetPrompt(line, field.prompt);
    view.SetMaxLength(line, static_cast<task::Byte>(field.maxLength));
    view.SetMinLength(line, static_cast<task::Byte>(field.minLength));
}

inline void SetSlot(task::Byte* slot, const std::string& text) { std::memcpy(slot, text.data(), text.size()); }

inline task::Task NewTask() {
    task::Task fresh;
    fresh.model = task::testing::FreshTask();
    return fresh;
}

class EngineTest : public ::testing::Test {
protected:

    task::FormRecord& Form(int number) { return task.model.forms[static_cast<std::size_t>(number - 1)]; }
    task::MenuRecord& Menu(int number) { return task.model.menus[static_cast<std::size_t>(number - 1)]; }

    void Press(std::initializer_list<int> keys) {
        for (const int key : keys) engine.PressKey(key);
    }
    void Ticks(int count) {
        for (int i = 0; i < count; ++i) {
            clock.Advance(100);
            engine.Tick();
        }
    }
    // Main menu, then Collect data.
    void Collect() { Press({51, 1}); }

    const ScreenBuffer& Screen() const { return engine.Screen(); }
    const std::string& Line(int number) const { return engine.Screen().lines[static_cast<std::size_t>(number - 1)]; }

    text::StringTable strings = strings::MakeStringTable();
    task::Task task = NewTask();
    test_support::ScriptedUi ui;
    common::TestClock clock;
    ClockedLocalTime time{CivilTime{2024, 1, 7, 9, 5, 30}, clock};
    Engine engine{task, strings, ui, time};
};

}  // namespace simulator::testing
