#pragma once
// The 26 built-in screens whose texts the Startup page redefines: which text
// entries each shows on its lines, how many lines and columns it has with
// either font, and its size label.
#include <string>

namespace editors::screens {

constexpr int kScreenCount = 26;
constexpr int kMaxLines = 8;
// The table number of the five start-up texts kept in StartupSettings at 150.
constexpr int kStartupTexts = 0;

// A text entry: entry `entry` (from 0) of TerminalTexts table `table` (1..27),
// or of the start-up texts.
struct TextEntry {
    int table;
    int entry;
};

int LineCount(int screen, bool largeFont);
// The characters a line holds: 15 or 20; 15 on every screen with the large font.
int Columns(int screen, bool largeFont);
// The entry line `line` (0 .. LineCount - 1) shows.
TextEntry LineEntry(int screen, int line);
// "(8x20)": the lines and columns the screen's name is followed by.
std::string SizeLabel(int screen, bool largeFont);

// The line of "Misc - continuous " with the calculator's item: its first
// character is the item's number, 8 or 9.
constexpr int kMiscContinued = 25;
constexpr TextEntry kCalculatorEntry{kStartupTexts, 0};

}  // namespace editors::screens
