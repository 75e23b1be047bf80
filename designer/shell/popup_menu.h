#pragma once
// The designer's pop-up menu "PopMenu8300" as data: the entries in their
// order with their command ids, in the loaded language, with the recent
// files between "Receive Data" and "About".
#include <string>
#include <vector>

#include "common/text/string_table.h"

namespace shell {

struct MenuEntry {
    std::string text;  // Windows-1251; a tab separates the shortcut shown
    int command = 0;   // 0 for a separator
    // The text holds a recent file's path and is native bytes, as paths are.
    bool nativeText = false;

    bool IsSeparator() const { return command == 0; }
    bool operator==(const MenuEntry&) const = default;
};

// `recentTexts` are the recent-file entries' texts, most recent first.
std::vector<MenuEntry> PopupMenuEntries(const text::StringTable& strings, const std::vector<std::string>& recentTexts);

}  // namespace shell
