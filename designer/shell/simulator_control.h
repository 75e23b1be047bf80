#pragma once
// What the main window asks of its "Client" child, the simulator. The
// client widget implements it beside QWidget; Qt-free so the engine side can
// implement it too.

namespace shell {

class SimulatorControl {
public:
    virtual ~SimulatorControl() = default;

    // The task changed (New, Open, Edit, a recent file, the menu's rebuild):
    // show its main menu again.
    virtual void RestartAtMainMenu() = 0;
};

}  // namespace shell
