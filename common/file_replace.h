#pragma once
// Replacing a user's file without ever leaving it half written: the new
// content goes to a temporary file beside the target, every write is checked,
// the data is flushed to the disk, and only then is the temporary file
// renamed over the target. On any failure the old file stays as it was.
#include <string>
#include <string_view>

namespace common {

struct ReplaceResult {
    bool ok = false;
    std::string error;  // what failed, in words for the user; empty on success
};

ReplaceResult ReplaceFileContents(const std::string& path, std::string_view content);

// Whether `path` could be replaced now, checked before anything is done that
// cannot be undone (a terminal's records taken off it): a temporary file can
// be created beside it (it is removed again), and the path is not a folder
// (nor, on Windows, a read-only file). Nothing else is changed.
ReplaceResult CheckReplaceable(const std::string& path);

}  // namespace common
