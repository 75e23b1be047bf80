#pragma once
// The batch task file of every model: the designer's task file (mixed text
// layout) for the 8000 and 8300, the same blocks with wider texts for the
// others. The firmware identifier at the start says which.
#include <cstddef>
#include <vector>

#include "loader/batch_task.h"

namespace loader {

// The blocks end here; the 100 zero bytes that follow are never read.
constexpr std::size_t kMixedBodyEnd = 18854;
constexpr std::size_t kWideBodyEnd = 19179;
constexpr std::size_t kFileTailSize = 100;

std::size_t BodyEnd(TextLayout layout);
std::size_t FileSize(TextLayout layout);  // 18954 or 19279

enum class DecodeStatus {
    Ok,
    UnsupportedVersion,  // a layout version below 4, or none of the seven identifiers
    TooShort,            // the file ends before its blocks do
};

struct DecodeResult {
    DecodeStatus status = DecodeStatus::TooShort;
    BatchTask task;  // meaningful only when status is Ok
};

// Reads the blocks of a whole file's bytes. The layout version digits may be
// any of 004 to 009 and are held as 004. Menus of wide-layout files are
// padded and their filled items counted, every form's line count is
// recounted, and the texts of the file's layout are copied into the other.
DecodeResult DecodeBatchFile(const std::vector<Byte>& bytes);

// The file that `target` receives for the task: its identifier, its transfer
// menus and the text layout it takes. `task` itself is left as it is, so the
// same task can be written again for any target.
std::vector<Byte> EncodeBatchFile(const BatchTask& task, BatchModel target);

}  // namespace loader
