#include "loader/batch_models.h"

#include <algorithm>

namespace loader {
namespace {

struct ModelEntry {
    BatchModel model;
    std::string_view id;
    TextLayout layout;
};

constexpr ModelEntry kModels[] = {
    {BatchModel::M8000, "8000RU004", TextLayout::Mixed}, {BatchModel::M8300, "8300RU004", TextLayout::Mixed},
    {BatchModel::M8200, "8200RU004", TextLayout::Wide},  {BatchModel::M8400, "8400RU004", TextLayout::Wide},
    {BatchModel::M8500, "8500RU004", TextLayout::Wide},  {BatchModel::M8600, "8600RU004", TextLayout::Wide},
    {BatchModel::M8700, "8700RU004", TextLayout::Wide},
};

const ModelEntry& EntryOf(BatchModel model) {
    return *std::find_if(std::begin(kModels), std::end(kModels), [&](const ModelEntry& e) { return e.model == model; });
}

}  // namespace

std::string_view FirmwareIdText(BatchModel model) { return EntryOf(model).id; }

std::optional<BatchModel> BatchModelOf(const FirmwareId& id) {
    const std::string_view text(reinterpret_cast<const char*>(id.data()), id.size());
    for (const ModelEntry& e : kModels) {
        if (text.substr(0, e.id.size()) == e.id && id[e.id.size()] == 0) return e.model;
    }
    return std::nullopt;
}

std::optional<BatchModel> BatchModelOfPrefix(std::string_view firstSix) {
    for (const ModelEntry& e : kModels) {
        if (firstSix.size() >= 6 && e.id.substr(0, 6) == firstSix.substr(0, 6)) return e.model;
    }
    return std::nullopt;
}

TextLayout LayoutOf(BatchModel model) { return EntryOf(model).layout; }

FirmwareId FirmwareIdBytes(BatchModel model) {
    FirmwareId bytes{};
    const std::string_view id = FirmwareIdText(model);
    std::copy(id.begin(), id.end(), bytes.begin());
    return bytes;
}

}  // namespace loader
