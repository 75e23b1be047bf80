// No task file, however odd, may take the simulator outside its buffers:
// random bytes in every block, driven by random keys and ticks.
#include <random>

#include "designer/simulator/engine_test_support.h"

namespace simulator::testing {
namespace {

template <std::size_t N>
void Randomize(std::array<task::Byte, N>& block, std::mt19937& random) {
    std::uniform_int_distribution<int> byte(0, 255);
    for (task::Byte& b : block) b = static_cast<task::Byte>(byte(random));
}

void RandomizeTask(task::TaskModel& model, std::mt19937& random) {
    Randomize(model.firmwareId, random);
    Randomize(model.barcode, random);
    for (auto& menu : model.menus) Randomize(menu, random);
    for (auto& form : model.forms) Randomize(form, random);
    for (auto& lookup : model.lookups) Randomize(lookup, random);
    Randomize(model.texts, random);
    Randomize(model.terminal, random);
    Randomize(model.startup, random);
    Randomize(model.weightCode, random);
    // Small values in the bytes that pick types, targets and lengths, so the
    // forms and menus are actually reached and typed into.
    std::uniform_int_distribution<int> small(0, 24);
    for (auto& form : model.forms) {
        if (random() % 2 == 0) continue;
        for (std::size_t line = 0; line < task::kFormLines; ++line) {
            form[task::form::kFieldType + line] = static_cast<task::Byte>(small(random) % 20);
            form[task::form::kMinLength + line] = static_cast<task::Byte>(small(random) % 3);
        }
        form[task::form::kNextTarget] = static_cast<task::Byte>(small(random));
        form[task::form::kEscTarget] = static_cast<task::Byte>(small(random));
        form[task::form::kRecordAction] = 3;
    }
    for (auto& menu : model.menus) {
        if (random() % 2 == 0) continue;
        for (std::size_t item = 0; item < 11; ++item) menu[task::menu::kEscTarget + item] = static_cast<task::Byte>(small(random));
    }
}

void ExpectScreenInBounds(const ScreenBuffer& screen) {
    for (const std::string& line : screen.lines) ASSERT_LE(line.size(), static_cast<std::size_t>(kLineCharacters));
    ASSERT_GE(screen.highlight, 0);
    ASSERT_LE(screen.highlight, kScreenLines);
    ASSERT_GE(screen.cursorRow, -1);
    ASSERT_LT(screen.cursorRow, kScreenLines);
    ASSERT_GE(screen.cursorColumn, 0);
    ASSERT_LT(screen.cursorColumn, kLineCharacters);
    ASSERT_TRUE(screen.columns == 15 || screen.columns == 20);
}

TEST_F(EngineTest, RandomTasksAndKeysStayInsideEveryBuffer) {
    std::mt19937 random(20240107);
    std::uniform_int_distribution<int> action(0, 40);
    engine.SetNewTaskRequest([&] { RandomizeTask(task.model, random); });
    int formsSeen = 0;
    for (int round = 0; round < 300; ++round) {
        RandomizeTask(task.model, random);
        engine.PressKey(51);
        for (int step = 0; step < 400; ++step) {
            const int a = action(random);
            if (a <= 23) {
                engine.PressKey(a == 0 ? 1 : a);
            } else if (a <= 30) {
                engine.Tick();
            } else if (a == 31) {
                engine.RestartAtMainMenu();
            } else {
                engine.PressKey(1 + a % 12);  // mostly typing
            }
            ExpectScreenInBounds(Screen());
            if (Screen().mode == Mode::Form) ++formsSeen;
        }
        if (HasFatalFailure()) return;
    }
    EXPECT_GT(formsSeen, 1000);  // the keys did reach the forms
}

}  // namespace
}  // namespace simulator::testing
