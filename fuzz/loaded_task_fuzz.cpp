// The loader's task files as a load reads them from the disk, batch or
// radio (the first byte's lowest bit), and the image one of ten terminals
// (the rest of that byte) would receive. A refused file is told; an accepted
// task goes to exactly the terminals that can take it, in whole blocks of
// its mode (200 for a batch task, 182 or 50 for a radio task), and preparing
// it leaves the task as it was and gives the same bytes every time.
#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "fuzz/fuzz_input.h"
#include "loader/batch_models.h"
#include "loader/link/batch_stream.h"
#include "loader/link/loader_image.h"
#include "loader/link/radio_image.h"
#include "testing/scripted_ui.h"
#include "testing/temp_folder.h"

namespace {

loader::FirmwareId IdOf(std::string_view text) {
    loader::FirmwareId id{};
    std::copy_n(text.begin(), std::min(text.size(), id.size()), id.begin());
    return id;
}

// The seven batch terminals, two radio ones and a terminal that says nothing useful.
const std::array<loader::FirmwareId, 10>& Terminals() {
    static const std::array<loader::FirmwareId, 10> terminals = [] {
        std::array<loader::FirmwareId, 10> all{};
        const loader::BatchModel models[] = {loader::BatchModel::M8000, loader::BatchModel::M8300,
                                             loader::BatchModel::M8200, loader::BatchModel::M8400,
                                             loader::BatchModel::M8500, loader::BatchModel::M8600,
                                             loader::BatchModel::M8700};
        for (std::size_t i = 0; i < 7; ++i) all[i] = loader::FirmwareIdBytes(models[i]);
        all[7] = IdOf("80xxRU102");
        all[8] = IdOf("84xxRU103");
        all[9] = IdOf("ACK");
        return all;
    }();
    return terminals;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fuzz::Require;
    static const test_support::TempFolder folder;
    static const std::string path = folder.File("task");

    fuzz::Input input(data, size);
    const std::uint8_t setup = input.Byte();
    const loader::TaskKind kind = setup % 2 == 0 ? loader::TaskKind::Batch : loader::TaskKind::Radio;
    const int terminalChoice = (setup >> 1) % static_cast<int>(Terminals().size());
    folder.Write("task", input.Rest());
    test_support::ScriptedUi ui;
    const std::optional<loader::LoadedTask> task = loader::ReadTaskForLoad(path, kind, ui);
    if (!task) {
        Require(!ui.MessageTexts().empty(), "a refused task file was not told");
        return 0;
    }
    const bool radio = std::holds_alternative<loader::RadioTask>(*task);
    Require(radio == (kind == loader::TaskKind::Radio), "a task read as the other kind");

    for (const loader::FirmwareId& terminal : Terminals()) {
        const bool batchTerminal = loader::BatchModelOf(terminal).has_value();
        Require(loader::ChooseLoaderMode(*task, terminal).has_value() == (radio != batchTerminal),
                "a task offered to a terminal that cannot take it, or kept from one that can");
    }

    // Preparing the image is the costly part: one terminal an input.
    const loader::FirmwareId& terminal = Terminals()[static_cast<std::size_t>(terminalChoice)];
    const loader::LoadedTask before = *task;
    const std::optional<loader::LoaderImage> image = loader::BuildLoaderImage(*task, terminal);
    Require(*task == before, "preparing a task changed it");
    Require(image.has_value() == loader::ChooseLoaderMode(*task, terminal).has_value(),
            "an image built for a terminal the task does not go to, or none for one it does");
    if (!image) return 0;

    Require(image->bytes.size() == static_cast<std::size_t>(image->blocks) * 100, "an image that is not whole blocks");
    if (radio) {
        const int blocks = loader::RadioBlocks(std::get<loader::RadioTask>(*task));
        Require(image->mode == loader::LoaderMode::Radio && image->blocks == blocks &&
                    (blocks == loader::kSmallRadioBlocks || blocks == loader::kLargeRadioBlocks),
                "a radio task sent in another mode or block count");
        Require(image->bytes[0] == 102, "a radio image without the family's version first");
    } else {
        const bool mixed = loader::LayoutOf(*loader::BatchModelOf(terminal)) == loader::TextLayout::Mixed;
        Require(image->blocks == loader::kBatchBlocks &&
                    image->mode == (mixed ? loader::LoaderMode::MixedBatch : loader::LoaderMode::WideBatch),
                "a batch task sent in another mode or block count");
    }
    Require(loader::BuildLoaderImage(*task, terminal)->bytes == image->bytes,
            "the same task prepared twice gave different bytes");
    return 0;
}
