#include "designer/editors/startup_screens.h"

#include <algorithm>

#include "designer/task/task_model.h"

namespace editors::screens {
namespace {

struct Screen {
    int table;       // the TerminalTexts table it shows
    int lines;       // with the small font
    int largeLines;  // with the large font
    int labelLines;  // what its label says: "Confirm " shows a line more than it says
};

constexpr Screen kScreens[kScreenCount] = {
    {2, 3, 3, 3},   {3, 8, 8, 8},   {4, 4, 4, 4},   {5, 4, 4, 3},   {6, 4, 4, 4},   {7, 7, 7, 7},   {8, 8, 8, 8},
    {9, 6, 6, 6},   {10, 6, 5, 6},  {11, 5, 5, 5},  {12, 4, 4, 4},  {13, 4, 4, 4},  {14, 6, 4, 6},  {15, 8, 6, 8},
    {16, 3, 3, 3},  {17, 5, 5, 5},  {18, 4, 2, 4},  {19, 5, 5, 5},  {20, 5, 5, 5},  {21, 3, 3, 3},  {22, 2, 2, 2},
    {23, 4, 4, 4},  {24, 3, 3, 3},  {25, 6, 6, 6},  {26, 8, 8, 8},  {27, 7, 7, 7},
};

// "Misc - continuous " shows three entries of its table, then start-up texts 1, 3, 4 and 5.
constexpr int kTableLinesOfMisc = 3;
constexpr int kStartupTextsOfMisc[] = {0, 2, 3, 4};

}  // namespace

int LineCount(int screen, bool largeFont) {
    const Screen& s = kScreens[screen];
    return largeFont ? s.largeLines : s.lines;
}

int Columns(int screen, bool largeFont) {
    const bool wide = task::kTextTables[kScreens[screen].table - 1].slot == task::kWideSlot;
    return task::TextWidth(largeFont || !wide);
}

TextEntry LineEntry(int screen, int line) {
    if (screen == kMiscContinued && line >= kTableLinesOfMisc) {
        return {kStartupTexts, kStartupTextsOfMisc[line - kTableLinesOfMisc]};
    }
    return {kScreens[screen].table, line};
}

std::string SizeLabel(int screen, bool largeFont) {
    const int lines = std::min(kScreens[screen].labelLines, LineCount(screen, largeFont));
    return "(" + std::to_string(lines) + "x" + std::to_string(Columns(screen, largeFont)) + ")";
}

}  // namespace editors::screens
