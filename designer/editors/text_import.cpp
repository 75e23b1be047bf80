#include "designer/editors/text_import.h"

#include <algorithm>
#include <string_view>

namespace editors {
namespace {

constexpr std::string_view kAccepted[] = {task::kFirmwareId, "8300-1.00"};

// Whether the bytes begin with an accepted signature, or with as much of one
// as a file that short holds (the reader then finds it too short).
bool AcceptedSignature(const std::vector<std::uint8_t>& bytes) {
    return std::any_of(std::begin(kAccepted), std::end(kAccepted), [&](std::string_view signature) {
        const std::size_t n = std::min(bytes.size(), signature.size());
        return std::equal(signature.begin(), signature.begin() + static_cast<std::ptrdiff_t>(n), bytes.begin());
    });
}

}  // namespace

ImportedTask ReadImportedTask(const std::string& path, const task::DefaultTexts& defaults) {
    ImportedTask imported;
    std::vector<std::uint8_t> bytes;
    if (!task::ReadTaskFileBytes(path, bytes)) return imported;
    if (!AcceptedSignature(bytes)) {
        imported.status = task::ReadStatus::FormatMismatch;
        return imported;
    }
    imported.status = task::DecodeTaskFile(bytes, defaults, imported.model).status;
    return imported;
}

}  // namespace editors
