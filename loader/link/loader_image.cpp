#include "loader/link/loader_image.h"

#include "loader/link/batch_stream.h"
#include "loader/link/radio_image.h"
#include "loader/radio_normalize.h"

namespace loader {
namespace {

constexpr std::size_t kBlockSize = 100;

}  // namespace

std::optional<LoaderMode> ChooseLoaderMode(const LoadedTask& task, const FirmwareId& terminal) {
    const std::optional<BatchModel> batchTerminal = BatchModelOf(terminal);
    if (std::holds_alternative<RadioTask>(task)) {
        if (batchTerminal) return std::nullopt;
        return LoaderMode::Radio;
    }
    if (!batchTerminal) return std::nullopt;
    return LayoutOf(*batchTerminal) == TextLayout::Mixed ? LoaderMode::MixedBatch : LoaderMode::WideBatch;
}

std::optional<LoaderImage> BuildLoaderImage(const LoadedTask& task, const FirmwareId& terminal) {
    const std::optional<LoaderMode> mode = ChooseLoaderMode(task, terminal);
    if (!mode) return std::nullopt;
    LoaderImage image;
    image.mode = *mode;
    if (const auto* batch = std::get_if<BatchTask>(&task)) {
        image.blocks = kBatchBlocks;
        image.bytes = BuildBatchStream(*batch, *BatchModelOf(terminal));
    } else {
        const RadioTask& radio = std::get<RadioTask>(task);
        image.blocks = RadioBlocks(radio);
        const RadioImage full = BuildRadioImage(NormalizeRadioTask(radio));
        image.bytes.assign(full.begin(), full.begin() + image.blocks * static_cast<std::ptrdiff_t>(kBlockSize));
    }
    return image;
}

}  // namespace loader
