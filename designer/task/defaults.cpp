#include "designer/task/defaults.h"

#include <algorithm>
#include <cstring>

#include "common/text/string_table.h"
#include "designer/strings/string_ids.h"

namespace task {
namespace {

struct IdRange {
    int first;
    int count;
    int width;
};

// The 15-character variants that no new task copies, and the start-up texts.
// With kTextTables this table is the registry of the default texts' string ids.
constexpr IdRange kVariantRanges[] = {
    {771, 8, 15},  {791, 8, 15},  {811, 6, 15},  {831, 2, 15},  {851, 5, 15},
    {871, 5, 15},  {891, 4, 15},  {911, 4, 15},  {931, 4, 15},  {951, 6, 15},
    {1061, 3, 15}, {1081, 6, 15},
    {strings::id::kFirstExtraTextWide, startup::kExtraTextCount, 20},
    {strings::id::kFirstExtraTextNarrow, startup::kExtraTextCount, 15},
};

constexpr int kMainMenuTable = 2;
constexpr int kMainMenuTexts = 3;  // its fourth entry is blank, not a string
constexpr char kMainMenuFourth[] = "            ";  // 12 spaces

int TableTextCount(int table) {
    return table == kMainMenuTable ? kMainMenuTexts : kTextTables[table - 1].entries;
}

template <typename Visit>
void ForEachDefaultId(Visit visit) {
    for (int t = 1; t <= static_cast<int>(kTextTables.size()); ++t) {
        const TextTable& table = kTextTables[t - 1];
        if (table.firstStringId == 0) continue;
        const int width = static_cast<int>(table.slot) - 1;
        for (int e = 0; e < TableTextCount(t); ++e) visit(table.firstStringId + e, width);
    }
    for (const IdRange& range : kVariantRanges) {
        for (int e = 0; e < range.count; ++e) visit(range.first + e, range.width);
    }
}

void Fill(Byte* at, std::size_t count, Byte value) { std::fill(at, at + count, value); }

void FormDefaults(FormRecord& f, int number) {
    using namespace form;
    f.fill(0);
    f[kNextTarget] = static_cast<Byte>(number);
    f[kStampSeparateFields] = 1;
    f[kStampYear] = 1;
    f[kStampMonth] = 1;
    f[kStampDay] = 1;
    f[kStampDateSeparated] = 1;
    f[kDateSeparator] = '/';
    f[kStampHour] = 1;
    f[kStampMinute] = 1;
    f[kStampSecond] = 1;
    f[kStampTimeSeparated] = 1;
    f[kTimeSeparator] = ':';
    Fill(&f[kInputSource], kFormLines, 2);
    Fill(&f[kMaxLength], kFormLines, 80);
    Fill(&f[kPartialMaxLength], kFormLines, 20);
    Fill(&f[kAutoEnter], kFormLines, 1);
}

void LookupDefaults(LookupRecord& l) {
    l.fill(0);
    Fill(&l[lookup::kFieldOffsets], 8, 1);
    l[lookup::kDelimiter] = 9;
    l[lookup::kUploadable] = 1;
}

void StartupDefaults(std::array<Byte, kStartupSettingsSize>& s) {
    using namespace startup;
    s.fill(0);
    s[kLayoutRevision] = kCurrentRevision;
    s[kFirstSeparator] = 9;
    s[kUploadPort] = 1;
    s[kDownloadPort] = 1;
    s[kBacklightIdle] = 2;
    s[kEntryOption] = 1;
    s[kEntryDuration] = 6;
    s[kKeyClick] = 2;
    s[kGoodReadBeep] = 1;
    s[kWarningBeep] = 2;
}

void PutWord(Byte* at, unsigned value) {
    at[0] = static_cast<Byte>(value & 0xFF);
    at[1] = static_cast<Byte>(value >> 8);
}

}  // namespace

const std::string& DefaultTexts::Text(int id) const {
    static const std::string kNone;
    const auto it = byId.find(id);
    return it == byId.end() ? kNone : it->second;
}

int DefaultTextWidth(int id) {
    int found = 0;
    ForEachDefaultId([&](int each, int width) {
        if (each == id) found = width;
    });
    return found;
}

DefaultTexts LoadDefaultTexts(text::StringTable& strings) {
    DefaultTexts texts;
    ForEachDefaultId([&](int id, int width) {
        std::string line = strings.Lookup(id, text::LookupKind::TerminalText);
        if (line.size() > static_cast<std::size_t>(width)) line.resize(static_cast<std::size_t>(width));
        texts.byId[id] = std::move(line);
    });
    return texts;
}

void PutText(Byte* slot, std::size_t width, const std::string& text) {
    std::fill(slot, slot + width, Byte{0});
    std::memcpy(slot, text.data(), std::min(text.size(), width - 1));
}

void ResetBarcodeDefaults(TaskModel& model) {
    auto& b = model.barcode;
    // Whole bytes first, then the bytes whose unowned bits are kept.
    constexpr Byte kWhole[kBarcodeSettingsSize] = {
        0x9B, 0xC9, 0x00, 0x3F, 0x88, 0x2D, 0x54, 0x80, 0x00, 0x19, 0x3D, 0x00,
        0x9F, 0x01, 0xFE, 0x01, 0xFF, 0x01, 0xFF, 0x01, 0x66, 0x03, 0xC0,
    };
    // Bits that keep what the task holds: byte 4 bits 1-0, byte 7 bits 2-0,
    // byte 8, byte 11 bit 5, byte 22 bits 5-0.
    constexpr Byte kKept[kBarcodeSettingsSize] = {
        0, 0, 0, 0, 0x03, 0, 0, 0x07, 0xFF, 0, 0, 0x20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x3F,
    };
    for (std::size_t i = 0; i < kBarcodeSettingsSize; ++i) {
        b[i] = static_cast<Byte>((b[i] & kKept[i]) | (kWhole[i] & ~kKept[i]));
    }
}

void ResetWeightCodeDefaults(TaskModel& model) {
    auto& w = model.weightCode;
    PutWord(&w[weight::kMagic], 43994);
    PutWord(&w[weight::kFlags], 0);
    w[weight::kPrefix] = '2';
    w[weight::kPrefix + 1] = '3';
    PutWord(&w[weight::kMaskCode], 7);
    PutWord(&w[weight::kKeyField], 2);
    PutWord(&w[weight::kQuantityField], 4);
}

void SetExtraTexts(TaskModel& model, const DefaultTexts& texts, bool narrow) {
    const int first = narrow ? strings::id::kFirstExtraTextNarrow : strings::id::kFirstExtraTextWide;
    for (int e = 0; e < startup::kExtraTextCount; ++e) {
        PutText(&model.startup[startup::kExtraTexts + e * kWideSlot], kWideSlot, texts.Text(first + e));
    }
}

void NewTask(TaskModel& model, const DefaultTexts& texts) {
    // Blocks are filled whole, so a new task never carries hidden bytes of
    // the task that was open before it.
    model.firmwareId.fill(0);
    std::memcpy(model.firmwareId.data(), kFirmwareId, sizeof kFirmwareId - 1);
    model.reserved.fill(0);
    for (int i = 0; i < kFormCount; ++i) FormDefaults(model.forms[i], i + 1);
    for (auto& menu : model.menus) menu.fill(0);
    for (auto& lookup : model.lookups) LookupDefaults(lookup);

    model.terminal.fill(0);
    model.terminal[terminal::kAddReturn] = 1;
    StartupDefaults(model.startup);
    ResetWeightCodeDefaults(model);

    model.texts.fill(0);
    for (int t = 1; t <= static_cast<int>(kTextTables.size()); ++t) {
        const TextTable& table = kTextTables[t - 1];
        if (table.firstStringId == 0) continue;
        for (int e = 0; e < TableTextCount(t); ++e) {
            PutText(&model.texts[TextOffset(t, e)], table.slot, texts.Text(table.firstStringId + e));
        }
    }
    PutText(&model.texts[TextOffset(kMainMenuTable, kMainMenuTexts)], kNarrowSlot, kMainMenuFourth);
    SetExtraTexts(model, texts, false);
}

}  // namespace task
