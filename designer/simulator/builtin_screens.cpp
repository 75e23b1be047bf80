#include "designer/simulator/builtin_screens.h"

#include "designer/task/terminal_texts_view.h"

namespace simulator {
namespace {

constexpr int kMainMenuTable = 2;
constexpr int kSystemMenuTable = 3;
constexpr int kProgramSettingsTable = 8;
constexpr int kUploadTable = 23;
constexpr int kErrorTable = 25;
constexpr int kPressAnyKeyEntry = 5;

void Clear(ScreenBuffer& screen, Mode mode, int columns, bool wideSpacing, int highlight) {
    screen.lines = {};
    screen.mode = mode;
    screen.columns = columns;
    screen.wideSpacing = wideSpacing;
    screen.highlight = highlight;
    screen.cursorRow = -1;
    screen.cursorColumn = 0;
}

std::string TableText(const task::TaskModel& model, int table, int entry) {
    return task::ConstTerminalTextsView(model.texts).Text(table, entry);
}

void FillFromTable(const task::TaskModel& model, int table, int lines, ScreenBuffer& screen) {
    for (int i = 0; i < lines && i < kScreenLines; ++i) {
        screen.lines[static_cast<std::size_t>(i)] = TableText(model, table, i);
    }
}

}  // namespace

void ShowMainMenu(const task::TaskModel& model, int item, ScreenBuffer& screen) {
    Clear(screen, Mode::MainMenu, task::kLargeFontWidth, true, item);
    FillFromTable(model, kMainMenuTable, 4, screen);
}

void ShowUploadScreen(const task::TaskModel& model, ScreenBuffer& screen) {
    Clear(screen, Mode::Upload, task::kLargeFontWidth, true, 0);
    FillFromTable(model, kUploadTable, 4, screen);
}

void ShowSystemMenu(const task::TaskModel& model, int lines, int item, ScreenBuffer& screen) {
    Clear(screen, Mode::SystemMenu, task::kSmallFontWidth, false, item);
    FillFromTable(model, kSystemMenuTable, lines, screen);
}

void ShowProgramSettings(const task::TaskModel& model, int item, ScreenBuffer& screen) {
    Clear(screen, Mode::ProgramSettings, task::kSmallFontWidth, false, item);
    FillFromTable(model, kProgramSettingsTable, kSettingsItems, screen);
}

void ShowEntryError(const task::TaskModel& model, EntryError error, ScreenBuffer& screen) {
    const std::string stars(20, '*');
    screen.lines[4] = stars;
    screen.lines[5] = TableText(model, kErrorTable, static_cast<int>(error) - 1);
    screen.lines[6] = TableText(model, kErrorTable, kPressAnyKeyEntry);
    screen.lines[7] = stars;
    screen.mode = Mode::Error;
    screen.columns = task::kSmallFontWidth;
    screen.wideSpacing = false;
    screen.highlight = 0;
    screen.cursorRow = -1;
    screen.cursorColumn = 0;
}

}  // namespace simulator
