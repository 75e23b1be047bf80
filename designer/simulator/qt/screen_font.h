#pragma once
// The face of the terminal's screen: "Elite" when the system has it, else a
// fixed-pitch face sized to the same character cell.
#include <QFont>

namespace simulator {

struct ScreenFont {
    QFont font;
    double baseline = 0;  // from the top of a character cell, in picture pixels
};

// Sized so one character fits the screen's column pitch and cell height.
ScreenFont ResolveScreenFont();

}  // namespace simulator
