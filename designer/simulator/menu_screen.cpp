#include "designer/simulator/menu_screen.h"

#include <algorithm>

#include "designer/simulator/task_text.h"

namespace simulator {
namespace {

using namespace task::menu;

int Width(const task::MenuRecord& menu) { return menu[kFont] != 0 ? 15 : 20; }
bool ShowsCaption(const task::MenuRecord& menu) { return menu[kShowCaption] != 0; }

std::string ItemText(const task::MenuRecord& menu, int item) {
    return SlotText(menu.data() + kItems + static_cast<std::size_t>(item) * task::kWideSlot, task::kWideSlot);
}

std::string Cut(std::string text, int width) {
    if (text.size() > static_cast<std::size_t>(width)) text.resize(static_cast<std::size_t>(width));
    return text;
}

int CurrentItem(const task::MenuRecord& menu) { return std::min<int>(menu[kCurrentItem], kItemCount - 1); }

}  // namespace

int MenuItemCount(const task::MenuRecord& menu) { return std::min<int>(menu[kVisibleItems], kItemCount); }

int CountVisibleItems(const task::MenuRecord& menu) {
    int count = 0;
    for (int item = 0; item < kItemCount; ++item) {
        const std::string text = Cut(ItemText(menu, item), Width(menu));
        if (std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) > ' '; })) ++count;
    }
    return count;
}

int MenuLinesForItems(const task::MenuRecord& menu) {
    return std::min(MenuItemCount(menu), ShowsCaption(menu) ? 7 : 8);
}

void ResetMenu(task::MenuRecord& menu) {
    menu[kCurrentItem] = 0;
    menu[kEngineState] = 0;
}

void ShowMenu(const task::MenuRecord& menu, ScreenBuffer& screen) {
    const int width = Width(menu);
    const int first = ShowsCaption(menu) ? 1 : 0;
    screen.lines = {};
    if (first == 1) screen.lines[0] = Cut(SlotText(menu.data() + kCaption, task::kWideSlot), width);
    for (int item = 0; item < MenuLinesForItems(menu); ++item) {
        screen.lines[static_cast<std::size_t>(first + item)] = Cut(ItemText(menu, item), width);
    }
    const int highlight = CurrentItem(menu) + first + 1;
    screen.highlight = highlight <= kScreenLines ? highlight : 0;
    screen.mode = Mode::UserMenu;
    screen.wideSpacing = false;
    screen.columns = width;
    screen.cursorRow = -1;
    screen.cursorColumn = 0;
}

MenuAction MenuKey(task::MenuRecord& menu, int key) {
    const int count = MenuItemCount(menu);
    const int current = CurrentItem(menu);
    if ((key >= 1 && key <= 9) || key == 11) {
        const int item = key == 11 ? 10 : key;
        if (item > count) return {};
        menu[kCurrentItem] = static_cast<task::Byte>(item - 1);
        return {MenuAction::Target, menu[kItemTargets + static_cast<std::size_t>(item - 1)]};
    }
    switch (key) {
        case 16:
        case 17:
            // A menu without items, or a current item past them, has nothing to choose.
            if (current >= count) return {};
            return {MenuAction::Target, menu[kItemTargets + static_cast<std::size_t>(current)]};
        case 19:
            if (current <= 0) return {};
            menu[kCurrentItem] = static_cast<task::Byte>(current - 1);
            return {MenuAction::Redraw};
        case 22:
            // Only as far as the items on the screen, so the highlight stays on one of them.
            if (current >= MenuLinesForItems(menu) - 1) return {};
            menu[kCurrentItem] = static_cast<task::Byte>(current + 1);
            return {MenuAction::Redraw};
        case 21:
            return {MenuAction::EscapeTarget, menu[kEscTarget]};
        default:
            return {};
    }
}

}  // namespace simulator
