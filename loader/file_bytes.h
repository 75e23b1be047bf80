#pragma once
// Whole files as bytes: the loader reads a task before it writes anything,
// and replaces files only through the safe replace.
#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "designer/task/task_model.h"

namespace loader {

// The file's first `limit` bytes (all of a shorter file); nothing when it
// cannot be opened or read, as for a folder.
std::optional<std::vector<task::Byte>> ReadFileBytes(
    const std::string& path, std::size_t limit = std::numeric_limits<std::size_t>::max());

// Replaces the file at `path` with `bytes` through a temporary file beside it;
// on any failure the old file stays as it was.
bool ReplaceFileBytes(const std::string& path, const std::vector<task::Byte>& bytes);

}  // namespace loader
