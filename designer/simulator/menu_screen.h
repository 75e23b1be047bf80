#pragma once
// The user's menus: the caption and item lines, the current item (kept in the
// menu's byte 248) and the keys that move through the items or choose one.
#include "designer/simulator/screen_buffer.h"
#include "designer/task/task_model.h"

namespace simulator {

// Byte 247, at most 10.
int MenuItemCount(const task::MenuRecord& menu);

// Entering a menu through a target starts it at its first item.
void ResetMenu(task::MenuRecord& menu);

void ShowMenu(const task::MenuRecord& menu, ScreenBuffer& screen);

struct MenuAction {
    enum Kind { Nothing, Redraw, Target, EscapeTarget };
    Kind kind = Nothing;
    task::Byte target = 0;
};

// Key `key` on the menu; moving through the items changes byte 248.
MenuAction MenuKey(task::MenuRecord& menu, int key);

}  // namespace simulator
