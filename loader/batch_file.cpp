#include "loader/batch_file.h"

#include <algorithm>

#include "designer/task/task_file.h"
#include "loader/transfer_menus.h"

namespace loader {
namespace {

namespace file = task::file;

constexpr int kOldestVersion = 4;
constexpr std::size_t kVersionDigits = 6;  // bytes 6..8 of the identifier
constexpr std::size_t kVersionLastDigit = 8;

// The blocks after TerminalTexts lie this much further on in the wide layout.
constexpr std::size_t kWideShift = kWideTextsSize - task::kTerminalTextsSize;

static_assert(task::kTaskBodyEnd == kMixedBodyEnd);
static_assert(kMixedBodyEnd + kWideShift == kWideBodyEnd);

// Visits every block but the identifier and the texts with its offset in a
// file of `layout`, so reading and writing cannot disagree about the layout.
template <typename Model, typename Visit>
void ForEachFixedBlock(Model& model, TextLayout layout, Visit visit) {
    const std::size_t shift = layout == TextLayout::Wide ? kWideShift : 0;
    visit(file::kReserved, model.reserved);
    visit(file::kBarcode, model.barcode);
    for (int m = 0; m < task::kMenuCount; ++m) visit(file::kMenus + m * task::kMenuRecordSize, model.menus[m]);
    for (int f = 0; f < task::kFormCount; ++f) visit(file::kForms + f * task::kFormRecordSize, model.forms[f]);
    for (int l = 0; l < task::kLookupCount; ++l) visit(file::kLookups + l * task::kLookupRecordSize, model.lookups[l]);
    visit(file::kTerminal + shift, model.terminal);
    visit(file::kStartup + shift, model.startup);
    visit(file::kWeightCode + shift, model.weightCode);
}

// The number the version digits spell; a non-digit ends it, so "0x7" is 0.
int VersionOf(const FirmwareId& id) {
    int version = 0;
    for (std::size_t i = kVersionDigits; i <= kVersionLastDigit && id[i] >= '0' && id[i] <= '9'; ++i) {
        version = version * 10 + (id[i] - '0');
    }
    return version;
}

// An item counts when something visible survives the padding: a byte above
// the space among its first 20 characters before its NUL. A leading space
// (" Молоко") is no reason to drop the item.
bool HasVisibleText(const Byte* item) {
    const Byte* end = std::find(item, item + task::kWideSlot - 1, Byte{0});
    return std::any_of(item, end, [](Byte c) { return c > ' '; });
}

// Wide-layout terminals take every menu item padded to 20 characters.
void PadMenuItems(task::MenuRecord& menu) {
    Byte filled = 0;
    for (int i = 0; i < task::menu::kItemCount; ++i) {
        Byte* item = &menu[task::menu::kItems + static_cast<std::size_t>(i) * task::kWideSlot];
        if (HasVisibleText(item)) ++filled;
        PadEntries(item, task::kWideSlot, 1);
    }
    menu[task::menu::kVisibleItems] = filled;
}

// One more than the last line that takes input or pauses; 0 for none.
void CountFormLines(task::FormRecord& form) {
    Byte lines = 0;
    for (int j = 0; j < task::kFormLines; ++j) {
        const Byte type = form[task::form::kFieldType + static_cast<std::size_t>(j)];
        if ((type >= task::form::kText && type <= task::form::kBoolean) || type >= task::form::kPause) {
            lines = static_cast<Byte>(j + 1);
        }
    }
    form[task::form::kLineCount] = lines;
}

}  // namespace

std::size_t BodyEnd(TextLayout layout) { return layout == TextLayout::Wide ? kWideBodyEnd : kMixedBodyEnd; }

std::size_t FileSize(TextLayout layout) { return BodyEnd(layout) + kFileTailSize; }

DecodeResult DecodeBatchFile(const std::vector<Byte>& bytes) {
    DecodeResult result;
    if (bytes.size() < task::kFirmwareIdSize) return result;
    FirmwareId id{};
    std::copy_n(bytes.begin(), id.size(), id.begin());
    if (VersionOf(id) < kOldestVersion) {
        result.status = DecodeStatus::UnsupportedVersion;
        return result;
    }
    id[kVersionLastDigit] = '4';
    const auto model = BatchModelOf(id);
    if (!model) {
        result.status = DecodeStatus::UnsupportedVersion;
        return result;
    }
    const TextLayout layout = LayoutOf(*model);
    if (bytes.size() < BodyEnd(layout)) return result;

    BatchTask& read = result.task;
    read.sourceModel = *model;
    read.blocks.firmwareId = id;
    ForEachFixedBlock(read.blocks, layout, [&](std::size_t offset, auto& block) {
        std::copy_n(&bytes[offset], block.size(), block.begin());
    });
    if (layout == TextLayout::Wide) {
        for (task::MenuRecord& menu : read.blocks.menus) PadMenuItems(menu);
        std::copy_n(&bytes[file::kTexts], read.wideTexts.size(), read.wideTexts.begin());
        read.blocks.texts = MixedFromWide(read.wideTexts);
    } else {
        std::copy_n(&bytes[file::kTexts], read.blocks.texts.size(), read.blocks.texts.begin());
        PadMixedTables(read.blocks.texts);
        read.wideTexts = WideFromMixed(read.blocks.texts);
    }
    for (task::FormRecord& form : read.blocks.forms) CountFormLines(form);
    result.status = DecodeStatus::Ok;
    return result;
}

std::vector<Byte> EncodeBatchFile(const BatchTask& task, BatchModel target) {
    BatchTask written = task;
    const FirmwareId targetId = FirmwareIdBytes(target);
    std::copy_n(targetId.begin(), 4, written.blocks.firmwareId.begin());  // the model digits
    RebuildTransferMenus(written, target);

    const TextLayout layout = LayoutOf(target);
    std::vector<Byte> bytes(FileSize(layout), 0);
    std::copy(written.blocks.firmwareId.begin(), written.blocks.firmwareId.end(), bytes.begin());
    ForEachFixedBlock(written.blocks, layout, [&](std::size_t offset, const auto& block) {
        std::copy(block.begin(), block.end(), &bytes[offset]);
    });
    if (layout == TextLayout::Wide) {
        std::copy(written.wideTexts.begin(), written.wideTexts.end(), &bytes[file::kTexts]);
    } else {
        std::copy(written.blocks.texts.begin(), written.blocks.texts.end(), &bytes[file::kTexts]);
    }
    return bytes;
}

}  // namespace loader
