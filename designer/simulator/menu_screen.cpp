#include "designer/simulator/menu_screen.h"

#include <algorithm>

#include "designer/task/menu_view.h"

namespace simulator {
namespace {

std::string Cut(std::string text, int width) {
    if (text.size() > static_cast<std::size_t>(width)) text.resize(static_cast<std::size_t>(width));
    return text;
}

int CurrentItem(const task::ConstMenuView& menu) {
    return std::min<int>(menu.CurrentItem(), task::menu::kItemCount - 1);
}

// Items the screen has lines for: 7 under a caption, else 8, at most the item count.
int MenuLinesForItems(const task::MenuRecord& menu) {
    return std::min(MenuItemCount(menu), task::ConstMenuView(menu).ShowCaption() != 0 ? 7 : 8);
}

}  // namespace

int MenuItemCount(const task::MenuRecord& menu) {
    return std::min<int>(task::ConstMenuView(menu).VisibleItems(), task::menu::kItemCount);
}

void ResetMenu(task::MenuRecord& menu) {
    const task::MenuView view(menu);
    view.SetCurrentItem(0);
    view.SetEngineState(0);
}

void ShowMenu(const task::MenuRecord& record, ScreenBuffer& screen) {
    const task::ConstMenuView menu(record);
    const int width = menu.TextWidth();
    const int first = menu.ShowCaption() != 0 ? 1 : 0;
    screen.lines = {};
    if (first == 1) screen.lines[0] = Cut(menu.Caption(), width);
    for (int item = 0; item < MenuLinesForItems(record); ++item) {
        screen.lines[static_cast<std::size_t>(first + item)] = Cut(menu.Item(item), width);
    }
    const int highlight = CurrentItem(menu) + first + 1;
    screen.highlight = highlight <= kScreenLines ? highlight : 0;
    screen.mode = Mode::UserMenu;
    screen.wideSpacing = false;
    screen.columns = width;
    screen.cursorRow = -1;
    screen.cursorColumn = 0;
}

MenuAction MenuKey(task::MenuRecord& record, int key) {
    const task::MenuView menu(record);
    const int count = MenuItemCount(record);
    const int current = CurrentItem(menu);
    if ((key >= 1 && key <= 9) || key == 11) {
        const int item = key == 11 ? 10 : key;
        if (item > count) return {};
        menu.SetCurrentItem(static_cast<task::Byte>(item - 1));
        return {MenuAction::Target, menu.ItemTarget(item - 1)};
    }
    switch (key) {
        case 16:
        case 17:
            return {MenuAction::Target, menu.ItemTarget(current)};
        case 19:
            if (current <= 0) return {};
            menu.SetCurrentItem(static_cast<task::Byte>(current - 1));
            return {MenuAction::Redraw};
        case 22:
            // Only as far as the items on the screen, so the highlight stays on one of them.
            if (current >= MenuLinesForItems(record) - 1) return {};
            menu.SetCurrentItem(static_cast<task::Byte>(current + 1));
            return {MenuAction::Redraw};
        case 21:
            return {MenuAction::EscapeTarget, menu.EscTarget()};
        default:
            return {};
    }
}

}  // namespace simulator
