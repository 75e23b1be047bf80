#include "common/folder_access.h"

#include <unistd.h>

namespace common {

bool CanCreateFilesIn(const std::string& folder) {
    return !folder.empty() && access(folder.c_str(), W_OK | X_OK) == 0;
}

}  // namespace common
