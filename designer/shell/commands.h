#pragma once
// The designer's command ids: the pop-up menu and the accelerators carry
// these, and the main window dispatches on them.

namespace shell {

enum Command : int {
    kCommandNew = 1010,
    kCommandOpen = 1020,
    kCommandSave = 1030,
    kCommandSaveAs = 1040,
    kCommandExit = 1090,
    kCommandEdit = 2000,
    kCommandPreferences = 2100,
    kCommandDownloadApplication = 3020,
    kCommandReceiveData = 3030,
    kCommandDownloadLookup = 3040,
    kCommandRecentFirst = 3300,  // 3300 + index of the recent file, counted from 0
    kCommandRecentLast = 3309,
    kCommandAbout = 9030,
};

}  // namespace shell
