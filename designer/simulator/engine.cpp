#include "designer/simulator/engine.h"

#include "designer/task/task_model.h"

namespace simulator {

struct Engine::State {
    ScreenBuffer screen;
    std::string lastRecord;
    std::function<void()> newTaskRequest;
};

Engine::Engine(task::Task&, shell::Strings&, common::UiPort&, LocalTime&) : state_(std::make_unique<State>()) {}
Engine::~Engine() = default;

void Engine::RestartAtMainMenu() { state_->screen.mode = Mode::MainMenu; }
void Engine::PressKey(int) {}
void Engine::Tick() {}
const ScreenBuffer& Engine::Screen() const { return state_->screen; }
void Engine::SetNewTaskRequest(std::function<void()> request) { state_->newTaskRequest = std::move(request); }
const std::string& Engine::LastOutputRecord() const { return state_->lastRecord; }

}  // namespace simulator
