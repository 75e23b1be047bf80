#include "designer/shell/popup_menu.h"

#include "designer/shell/commands.h"
#include "designer/strings/string_ids.h"

namespace shell {
namespace {

struct MenuItem {
    int command;  // 0 for a separator
    int textId;
};

// The menu's items in order, each with the string id of its text.
constexpr MenuItem kItems[] = {
    {kCommandNew, strings::id::kMenuNew},
    {kCommandOpen, strings::id::kMenuOpen},
    {kCommandSave, strings::id::kMenuSave},
    {kCommandSaveAs, strings::id::kMenuSaveAs},
    {0, 0},
    {kCommandEdit, strings::id::kMenuEdit},
    {kCommandPreferences, strings::id::kMenuPreferences},
    {0, 0},
    {kCommandDownloadApplication, strings::id::kMenuDownloadApplication},
    {kCommandDownloadLookup, strings::id::kMenuDownloadLookup},
    {kCommandReceiveData, strings::id::kMenuReceiveData},
    {0, 0},
    {kCommandAbout, strings::id::kMenuAbout},
    {kCommandExit, strings::id::kMenuExit},
};
constexpr std::size_t kRecentPosition = 12;

}  // namespace

std::vector<MenuEntry> PopupMenuEntries(const text::StringTable& strings, const std::vector<std::string>& recentTexts) {
    std::vector<MenuEntry> entries;
    for (std::size_t i = 0; i < std::size(kItems); ++i) {
        if (i == kRecentPosition && !recentTexts.empty()) {
            for (std::size_t r = 0; r < recentTexts.size(); ++r) {
                entries.push_back({recentTexts[r], kCommandRecentFirst + static_cast<int>(r), true});
            }
            entries.push_back({});
        }
        const MenuItem& item = kItems[i];
        if (item.command == 0) {
            entries.push_back({});
            continue;
        }
        entries.push_back({strings.Direct(item.textId), item.command});
    }
    return entries;
}

}  // namespace shell
