#pragma once
// What the designer's commands ask of the window around them. The main
// window implements it; tests record the calls.

namespace shell {

class SessionHost {
public:
    virtual ~SessionHost() = default;

    // Runs the task property sheet modally; returns when it has closed.
    virtual void OpenPropertySheet() = 0;

    // Puts the simulator back at the task's main menu (the task has changed).
    virtual void RestartSimulator() = 0;

    // Places the main window as at the start of the program, topmost or not
    // as the preferences now say.
    virtual void PlaceWindow() = 0;

    // The recent-files list changed: the pop-up menu's entries follow it.
    virtual void RecentFilesChanged() = 0;
};

}  // namespace shell
