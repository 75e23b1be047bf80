#pragma once
// The task engine: runs the task in the designer's memory the way the
// terminal would. It takes key numbers from the drawn keyboard and timer
// ticks, and rewrites the screen buffer. A few bytes of the task's form and
// menu records are its state, so running the simulator changes them.
#include <functional>
#include <memory>
#include <string>

#include "designer/simulator/screen_buffer.h"

namespace task {
struct Task;
}
namespace text {
class StringTable;
}
namespace common {
class UiPort;
}

namespace simulator {

class LocalTime;

// The code the designer sends after the form page commits: restart at the
// main menu with item 1 highlighted.
constexpr int kRestartKey = 51;
constexpr int kKeyCount = 23;

class Engine {
public:
    // Every reference must outlive the engine. The engine starts at the main
    // menu with no item highlighted.
    Engine(task::Task& task, text::StringTable& strings, common::UiPort& ui, LocalTime& time);
    ~Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // Back to the main menu, alphabetic entry off, the highlighted item kept.
    // After New, Open, Edit, the recent files and the pop-up menu's rebuild.
    void RestartAtMainMenu();

    // A drawn key, 1..23, or kRestartKey. Other numbers are ignored. Key 13
    // in a form switches alphabetic entry itself: the window only draws
    // Screen().alphabetic.
    void PressKey(int key);

    // The 100 ms timer: the clock line and the multi-tap commit.
    void Tick();

    const ScreenBuffer& Screen() const;

    // Called when Collect data finds nothing to run, after the engine has told
    // the user so: the designer then runs its New command. It is called once
    // PressKey has finished with the engine, so it may restart the engine.
    void SetNewTaskRequest(std::function<void()> request);

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace simulator
