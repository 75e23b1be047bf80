#pragma once
// The 20000 bytes a terminal receives for a task: the task blocks without the
// firmware identifier and the reserved bytes, text tables space-padded, and
// the settings bytes shifted to the terminal's own numbering.
#include <array>
#include <cstddef>
#include <cstdint>

#include "designer/link/frames.h"
#include "designer/task/task_model.h"

namespace transfer {

constexpr std::size_t kImageBlockSize = termlink::wire::kBlockDataSize;
constexpr std::size_t kImageBlockCount = termlink::wire::kMaxBlocks;
constexpr std::size_t kTerminalImageSize = kImageBlockSize * kImageBlockCount;

using TerminalImage = std::array<std::uint8_t, kTerminalImageSize>;

// Where each task block starts inside the image; the rest up to the end stays zero.
namespace image {
constexpr std::size_t kBarcode = 0;
constexpr std::size_t kMenus = kBarcode + task::kBarcodeSettingsSize;
constexpr std::size_t kForms = kMenus + task::kMenuCount * task::kMenuRecordSize;
constexpr std::size_t kLookups = kForms + task::kFormCount * task::kFormRecordSize;
constexpr std::size_t kTexts = kLookups + task::kLookupCount * task::kLookupRecordSize;
constexpr std::size_t kTerminalSettings = kTexts + task::kTerminalTextsSize;
constexpr std::size_t kStartupSettings = kTerminalSettings + task::kTerminalSettingsSize;
constexpr std::size_t kWeightCode = kStartupSettings + task::kStartupSettingsSize;
constexpr std::size_t kContentEnd = kWeightCode + task::kWeightCodeSettingsSize;
static_assert(kContentEnd == 18842, "the image content ends where terminals expect the zero tail");
}  // namespace image

// Normalises the task in place (forms clamped, menus padded and counted) and
// writes its image. The normalised texts and counts stay in the task.
TerminalImage BuildTerminalImage(task::TaskModel& model);

// The image of a task that is already normalised; the task is left as it is.
TerminalImage WriteImage(const task::TaskModel& model);

// The data of one block of the image, as a task block frame carries it.
inline termlink::BlockData ImageBlock(const TerminalImage& image, int block) {
    return termlink::BlockData(image.data() + static_cast<std::size_t>(block) * kImageBlockSize, kImageBlockSize);
}

}  // namespace transfer
