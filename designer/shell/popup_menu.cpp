#include "designer/shell/popup_menu.h"

#include "designer/shell/commands.h"

namespace shell {
namespace {

struct BuiltInEntry {
    const char* text;
    int command;
    int languageEntry;
};

// The menu as built in; a loaded language replaces each item's text by its entry.
constexpr BuiltInEntry kBuiltIn[] = {
    {"&New\tCtrl+N", kCommandNew, 1101},
    {"&Open...\tCtrl+O", kCommandOpen, 1102},
    {"&Save\tCtrl+S", kCommandSave, 1103},
    {"Save &As...", kCommandSaveAs, 1104},
    {nullptr, 0, 0},
    {"&Edit\tCtrl+E", kCommandEdit, 1105},
    {"&Preferences...", kCommandPreferences, 1106},
    {nullptr, 0, 0},
    {"&Download Application", kCommandDownloadApplication, 1107},
    {"Download &Lookup File", kCommandDownloadLookup, 1108},
    {"&Receive Data", kCommandReceiveData, 1109},
    {nullptr, 0, 0},
    {"A&bout...", kCommandAbout, 1110},
    {"E&xit\tAlt+F4", kCommandExit, 1111},
};
constexpr std::size_t kRecentPosition = 12;

}  // namespace

std::vector<MenuEntry> PopupMenuEntries(const Strings& strings, const std::vector<std::string>& recentTexts) {
    std::vector<MenuEntry> entries;
    for (std::size_t i = 0; i < std::size(kBuiltIn); ++i) {
        if (i == kRecentPosition && !recentTexts.empty()) {
            for (std::size_t r = 0; r < recentTexts.size(); ++r) {
                entries.push_back({recentTexts[r], kCommandRecentFirst + static_cast<int>(r)});
            }
            entries.push_back({});
        }
        const BuiltInEntry& item = kBuiltIn[i];
        if (!item.text) {
            entries.push_back({});
            continue;
        }
        entries.push_back({strings.Direct(item.languageEntry, item.text), item.command});
    }
    return entries;
}

}  // namespace shell
