#pragma once
// Reading a whole file a user named: it may turn out to be a folder, a
// device that never ends, or far larger than anything the program reads,
// and none of these may take the program down.
#include <cstddef>
#include <string>

namespace common {

enum class WholeFileStatus { Ok, CannotRead, TooLarge };

struct WholeFile {
    WholeFileStatus status = WholeFileStatus::CannotRead;
    std::string bytes;  // the content when Ok
};

// The content of a regular file (or a link to one) of at most `limit` bytes;
// no more than limit + 1 bytes are ever read.
WholeFile ReadWholeFile(const std::string& path, std::size_t limit);

}  // namespace common
