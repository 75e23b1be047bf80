#include "loader/task_files.h"

#include "common/native_path.h"
#include "loader/batch_file.h"
#include "loader/file_bytes.h"
#include "loader/loader_string_ids.h"
#include "loader/loader_strings.h"
#include "loader/radio_file.h"

namespace loader {
namespace {

// The readers' messages are plain boxes under the program's name.
void Refuse(common::UiPort& ui, int textId, const std::string& path) {
    ui.ShowMessage(LoaderText(ids::kReaderCaption), LoaderTextWith(textId, common::NativePathToCp1251(path)),
                   common::MessageIcon::None);
}

}  // namespace

std::optional<BatchTask> ReadTaskFile(const std::string& path, common::UiPort& ui) {
    const auto bytes = ReadFileBytes(path, kWideBodyEnd);
    if (!bytes) {
        Refuse(ui, ids::kFileMissing, path);
        return std::nullopt;
    }
    DecodeResult read = DecodeBatchFile(*bytes);
    switch (read.status) {
        case DecodeStatus::Ok:
            return std::move(read.task);
        case DecodeStatus::UnsupportedVersion:
            Refuse(ui, ids::kVersionUnsupported, path);
            return std::nullopt;
        case DecodeStatus::TooShort:
            Refuse(ui, ids::kFileTooShort, path);
            return std::nullopt;
    }
    return std::nullopt;
}

std::optional<RadioTask> ReadRadioTaskFile(const std::string& path, common::UiPort& ui) {
    const auto bytes = ReadFileBytes(path, kLargeRadioFileSize);
    if (!bytes) {
        Refuse(ui, ids::kFileMissing, path);
        return std::nullopt;
    }
    RadioDecodeResult read = DecodeRadioFile(*bytes);
    if (!read.ok) {
        Refuse(ui, ids::kFileTooShort, path);
        return std::nullopt;
    }
    return std::move(read.task);
}

bool WriteTaskFile(const std::string& path, const BatchTask& task, BatchModel target) {
    return ReplaceFileBytes(path, EncodeBatchFile(task, target));
}

}  // namespace loader
