// The loader's batch task files of every model, mixed and wide text layouts.
// An accepted file is written for each of the four convert targets at the
// size of the target's layout and reads back as a task of that model;
// written for that model in turn, it settles: the same bytes every time.
#include <algorithm>

#include "fuzz/fuzz_input.h"
#include "loader/batch_file.h"
#include "loader/convert_page.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fuzz::Require;
    const std::vector<loader::Byte> file(data, data + size);
    const loader::DecodeResult read = loader::DecodeBatchFile(file);
    if (read.status != loader::DecodeStatus::Ok) return 0;
    Require(file.size() >= loader::BodyEnd(loader::LayoutOf(read.task.sourceModel)),
            "a file shorter than its layout was accepted");

    for (const loader::ConvertTarget& target : loader::ConvertTargets()) {
        const loader::BatchTask before = read.task;
        const std::vector<loader::Byte> written = loader::EncodeBatchFile(read.task, target.model);
        Require(read.task == before, "writing a task for a target changed the task");
        const loader::TextLayout layout = loader::LayoutOf(target.model);
        Require(written.size() == loader::FileSize(layout), "a task written at another size than its layout's");
        Require(std::all_of(written.begin() + static_cast<long>(loader::BodyEnd(layout)), written.end(),
                            [](loader::Byte b) { return b == 0; }),
                "the tail of a written task is not zero");

        const loader::DecodeResult back = loader::DecodeBatchFile(written);
        Require(back.status == loader::DecodeStatus::Ok, "a written task is refused");
        Require(back.task.sourceModel == target.model, "a written task reads back as another model");
        // Reading pads a wide file's menus and a model's own transfer menus
        // are renumbered when it is written for itself, so the file may change
        // once more; after that, writing and reading no longer change anything.
        const std::vector<loader::Byte> settled = loader::EncodeBatchFile(back.task, target.model);
        const loader::DecodeResult settledBack = loader::DecodeBatchFile(settled);
        Require(settledBack.status == loader::DecodeStatus::Ok && settledBack.task.sourceModel == target.model,
                "a task written for its own model is refused or read as another");
        Require(loader::EncodeBatchFile(settledBack.task, target.model) == settled,
                "a task written for its own model is written differently each time");
    }
    return 0;
}
