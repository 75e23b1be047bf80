#pragma once
// The radio task file (*.ATF): its blocks one after another, in one of two
// sizes chosen by the ninth character of its identifier.
#include <cstddef>
#include <string_view>
#include <vector>

#include "loader/radio_task.h"

namespace loader {

constexpr std::size_t kSmallRadioFileSize = 4714;
constexpr std::size_t kLargeRadioFileSize = 18043;

struct RadioDecodeResult {
    bool ok = false;  // false: the file ends before its variant's blocks do
    RadioTask task;
};

// A longer file's tail is not read. The ranged setting of the first menu
// becomes 10 when it is 0 or above 99.
RadioDecodeResult DecodeRadioFile(const std::vector<Byte>& bytes);

// The file for another family of radio terminals: the same bytes behind a new
// four-character prefix ("84xx"). Files shorter than the prefix have none to
// rewrite: the result is empty.
std::vector<Byte> WithRadioPrefix(const std::vector<Byte>& file, std::string_view prefix);

}  // namespace loader
