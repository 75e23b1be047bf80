#pragma once
// Whether this user may create files in a folder: the loader keeps its
// settings beside itself only where it can write them.
#include <string>

namespace common {

// False when the folder does not exist or this user may not add files to it.
bool CanCreateFilesIn(const std::string& folder);

}  // namespace common
