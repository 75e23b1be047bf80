#include "common/folder_access.h"

#include <windows.h>

namespace common {

// A folder that is not marked read-only may still refuse new files (Program
// Files without elevation), so the answer comes from trying: a file of our
// own is created and removed at once.
bool CanCreateFilesIn(const std::string& folder) {
    if (folder.empty()) return false;
    char probe[MAX_PATH];
    if (GetTempFileNameA(folder.c_str(), "trv", 0, probe) == 0) return false;
    DeleteFileA(probe);
    return true;
}

}  // namespace common
