#include "designer/task/defaults.h"

#include <algorithm>

#include "common/text/string_table.h"
#include "designer/strings/string_ids.h"
#include "designer/task/form_view.h"
#include "designer/task/lookup_view.h"
#include "designer/task/startup_view.h"
#include "designer/task/terminal_texts_view.h"

namespace task {
namespace {

struct IdRange {
    int first;
    int count;
    int width;
    int wideFirst = 0;  // of a 15-character variant: the id of the 20-character text it stands for
};

// The 15-character variants that no new task copies, and the start-up texts.
// With kTextTables this table is the registry of the default texts' string ids.
constexpr int kNarrow = kLargeFontWidth;
constexpr int kWide = kSmallFontWidth;
constexpr IdRange kVariantRanges[] = {
    {771, 8, kNarrow, 761},   {791, 8, kNarrow, 781},   {811, 6, kNarrow, 801},   {831, 2, kNarrow, 821},
    {851, 5, kNarrow, 841},   {871, 5, kNarrow, 861},   {891, 4, kNarrow, 881},   {911, 4, kNarrow, 901},
    {931, 4, kNarrow, 921},   {951, 6, kNarrow, 941},   {1061, 3, kNarrow, 1051}, {1081, 6, kNarrow, 1071},
    {strings::id::kFirstExtraTextWide, startup::kExtraTextCount, kWide},
    {strings::id::kFirstExtraTextNarrow, startup::kExtraTextCount, kNarrow, strings::id::kFirstExtraTextWide},
};

constexpr int kMainMenuTable = 2;
constexpr int kMainMenuTexts = 3;  // its fourth entry is blank, not a string
constexpr char kMainMenuFourth[] = "            ";  // 12 spaces

int TableTextCount(int table) {
    return table == kMainMenuTable ? kMainMenuTexts : kTextTables[table - 1].entries;
}

template <typename Visit>
void ForEachDefaultId(Visit visit) {
    for (int t = 1; t <= kTextTableCount; ++t) {
        const TextTable& table = kTextTables[t - 1];
        if (table.firstStringId == 0) continue;
        const int width = static_cast<int>(table.slot) - 1;
        for (int e = 0; e < TableTextCount(t); ++e) visit(table.firstStringId + e, width);
    }
    for (const IdRange& range : kVariantRanges) {
        for (int e = 0; e < range.count; ++e) visit(range.first + e, range.width);
    }
}

void FormDefaults(FormRecord& record, int number) {
    record.fill(0);
    const FormView f(record);
    f.SetNextTarget(static_cast<Byte>(number));
    f.SetStampSeparateFields(1);
    f.SetStampYear(1);
    f.SetStampMonth(1);
    f.SetStampDay(1);
    f.SetStampDateSeparated(1);
    f.SetDateSeparator('/');
    f.SetStampHour(1);
    f.SetStampMinute(1);
    f.SetStampSecond(1);
    f.SetStampTimeSeparated(1);
    f.SetTimeSeparator(':');
    for (int line = 0; line < kFormLines; ++line) {
        f.SetInputSource(line, 2);
        f.SetMaxLength(line, 80);
        f.SetPartialMaxLength(line, 20);
        f.SetAutoEnter(line, 1);
    }
}

void LookupDefaults(LookupRecord& record) {
    record.fill(0);
    const LookupView l(record);
    for (int field = 0; field < lookup::kMaxFields; ++field) l.SetFieldOffset(field, 1);
    l.SetDelimiter('\t');
    l.SetUploadable(1);
}

void StartupDefaults(StartupSettings& settings) {
    settings.fill(0);
    const StartupView s(settings);
    s.SetLayoutRevision(startup::kCurrentRevision);
    s.SetFirstSeparator('\t');
    s.SetUploadPort(1);
    s.SetDownloadPort(1);
    s.SetBacklightIdle(2);
    s.SetEntryOption(1);
    s.SetEntryDuration(6);
    s.SetKeyClick(2);
    s.SetGoodReadBeep(1);
    s.SetWarningBeep(2);
}

void PutWord(Byte* at, unsigned value) {
    at[0] = static_cast<Byte>(value & 0xFF);
    at[1] = static_cast<Byte>(value >> 8);
}

// BarcodeSettings to its defaults; the few bits no editor owns keep their value.
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

}  // namespace

const std::string& DefaultTexts::Text(int id) const {
    static const std::string kNone;
    const auto it = byId.find(id);
    return it == byId.end() ? kNone : it->second;
}

int NarrowVariantOf(int wideId) {
    for (const IdRange& range : kVariantRanges) {
        if (range.wideFirst != 0 && wideId >= range.wideFirst && wideId < range.wideFirst + range.count) {
            return range.first + wideId - range.wideFirst;
        }
    }
    return 0;
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
    const StartupView startup(model.startup);
    for (int e = 0; e < startup::kExtraTextCount; ++e) startup.SetExtraText(e, texts.Text(first + e));
}

void MakeNewTask(TaskModel& model, const DefaultTexts& texts) {
    ResetBarcodeDefaults(model);
    // The other blocks are filled whole, so a new task never carries hidden
    // bytes of the task that was open before it.
    WriteFirmwareId(model);
    model.reserved.fill(0);
    for (int i = 0; i < kFormCount; ++i) FormDefaults(model.forms[i], i + 1);
    for (auto& menu : model.menus) menu.fill(0);
    for (auto& lookup : model.lookups) LookupDefaults(lookup);

    model.terminal.fill(0);
    model.terminal[terminal::kAddReturn] = 1;
    StartupDefaults(model.startup);
    ResetWeightCodeDefaults(model);

    model.texts.fill(0);
    const TerminalTextsView tables(model.texts);
    for (int t = 1; t <= kTextTableCount; ++t) {
        const TextTable& table = kTextTables[t - 1];
        if (table.firstStringId == 0) continue;
        for (int e = 0; e < TableTextCount(t); ++e) tables.SetText(t, e, texts.Text(table.firstStringId + e));
    }
    tables.SetText(kMainMenuTable, kMainMenuTexts, kMainMenuFourth);
    SetExtraTexts(model, texts, false);
}

}  // namespace task
