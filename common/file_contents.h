#pragma once
// Reading a whole file the user named, without trusting that it is one: a
// folder, a device or a pipe is refused rather than read (or waited on)
// forever, and a read error is a refusal, never an exception.
#include <optional>
#include <string>

namespace common {

// The bytes of the regular file at `path`; nothing when it is not one or
// cannot be opened or read to its end.
std::optional<std::string> ReadRegularFile(const std::string& path);

}  // namespace common
