#include "designer/simulator/screen_buffer.h"

namespace simulator {

std::string DisplayedLine(const ScreenBuffer& screen, int row) {
    if (row < 0 || row >= kScreenLines) return {};
    std::string line = screen.lines[static_cast<std::size_t>(row)];
    if (line.size() < static_cast<std::size_t>(screen.columns)) line.resize(static_cast<std::size_t>(screen.columns), ' ');
    if (screen.pendingLetter != 0 && row == screen.cursorRow && screen.cursorColumn >= 0 &&
        screen.cursorColumn < kLineCharacters) {
        const auto column = static_cast<std::size_t>(screen.cursorColumn);
        if (line.size() <= column) line.resize(column + 1, ' ');
        line[column] = screen.pendingLetter;
    }
    return line;
}

}  // namespace simulator
