#pragma once
// What the terminal's 8-line screen shows at this moment. The engine writes
// it; the window and the headless runner only read it.
#include <array>
#include <string>

namespace simulator {

// The engine's modes, with the numbers the terminal program uses for them.
enum class Mode : int {
    MainMenu = 10,
    UserMenu = 100,
    Form = 110,
    SystemMenu = 200,
    ProgramSettings = 300,
    Upload = 500,
    Error = 999,
};

constexpr int kScreenLines = 8;
constexpr int kLineCharacters = 24;

struct ScreenBuffer {
    // Windows-1251 bytes, at most kLineCharacters each.
    std::array<std::string, kScreenLines> lines;
    int highlight = 0;         // highlighted line: 0 none, else 1..8
    bool wideSpacing = false;  // 15-pixel lines (main menu, upload screen); else 10
    int columns = 20;          // characters a line of this screen holds: 15 or 20
    int cursorRow = -1;        // 0..7; -1 when no cursor is shown (outside forms)
    int cursorColumn = 0;      // 0-based character column
    bool alphabetic = false;   // alphabetic entry indicator
    char pendingLetter = 0;    // multi-tap letter drawn at the cursor, not yet typed; 0 none
    Mode mode = Mode::MainMenu;
    // The clock line drawn under the main menu (date, time, record counter);
    // empty on every other screen.
    std::string clockLine;

    bool operator==(const ScreenBuffer&) const = default;
};

}  // namespace simulator

namespace simulator {

// Line `row` as the screen shows it: a pending multi-tap letter stands at the
// cursor, and the line is padded with spaces to the screen's width.
std::string DisplayedLine(const ScreenBuffer& screen, int row);

}  // namespace simulator
