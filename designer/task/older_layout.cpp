#include "designer/task/older_layout.h"

#include <algorithm>
#include <array>

#include "designer/task/defaults.h"
#include "designer/task/form_view.h"
#include "designer/task/lookup_view.h"
#include "designer/task/startup_view.h"
#include "designer/task/terminal_texts_view.h"

namespace task {
namespace {

// Offsets in the 7xx file.
constexpr std::size_t kOldReserved = 8;
constexpr std::size_t kOldProgramStart = 10;
constexpr std::size_t kOldBarcode = 11;  // 24 bytes
constexpr std::size_t kOldMenus = 35;
constexpr std::size_t kOldMenuSize = 250;
constexpr std::size_t kOldForms = 2535;
constexpr std::size_t kOldFormSize = 601;

// The old 601-byte form record. Only some of its offsets are known outright;
// the rest follow from the field sizes, laid out in the order the current
// record keeps them:
//     0..2  font, ESC target, next target           now 0..2
//     3, 4  date code, time code                    now the stamp bytes 3..17
//     5, 6  record action, lookup file              now 19, 20
//      7    8 x 1  lookup field                     now 21
//     15    8 x 1  field type (old codes)           now 29
//     23    8 x 21 prompt                           now 37
//    191    seven 8 x 1 arrays, input source ..
//           initial-value flag                      now 205..253
//    247    8 x 10 initial value                    now 261
//    327    8 x 1  prefix flag                      now 341
//    335    8 x 10 prefix                           now 349
//    415    8 x 1  suffix flag                      now 429
//    423    8 x 10 suffix                           now 437
//    503    8 x 1  partial mode, 511 partial start,
//           519 partial maximum length              now 517, 525, 533
//    527    8 x 1  check leading code               now 541
//    535    8 x 6  leading code                     now 549
//    583    8 x 1  auto ENTER                       now 597
//    591    8 x 1  input mark                       now 605
//    599    line count, 600 current line            now 1013, 1014
// From the input source to the input mark the two records hold the same
// arrays with the same widths, 14 bytes apart. That run of 408 bytes ends
// exactly where the old line count stands, which pins the layout down.
constexpr std::size_t kOldLookupFields = 7;
constexpr std::size_t kOldFieldTypes = 15;
constexpr std::size_t kOldPrompts = 23;
constexpr std::size_t kOldPerLine = 191;  // the input source array
constexpr std::size_t kOldLineCount = 599;
constexpr std::size_t kOldCurrentLine = 600;
constexpr std::size_t kPerLineRun = form::kLineText - form::kInputSource;
static_assert(kOldPrompts + kFormLines * form::kPromptWidth == kOldPerLine, "the per-line arrays follow the prompts");
static_assert(kOldPerLine + kPerLineRun == kOldLineCount, "the per-line arrays end at the line count");
static_assert(kOldCurrentLine + 1 == kOldFormSize, "the current line is the record's last byte");
constexpr std::size_t kOldLookups = 8545;
constexpr std::size_t kOldLookupSize = 19;
constexpr std::size_t kOldSeparators = 8602;
constexpr std::size_t kOldTables = 8604;
constexpr std::size_t kOldSettings = 10466;  // 20 bytes
constexpr std::size_t kOldPassword = 10486;
constexpr std::size_t kOldPasswordWidth = 10;
constexpr std::size_t kOldExtension = 10496;  // 14 bytes
constexpr std::uint8_t kExtensionMark = '@';

struct OldTable {
    int entries;
    std::size_t slot;
};

constexpr std::array<OldTable, 18> kOldTableShapes = {{
    {4, kNarrowSlot}, {4, kNarrowSlot}, {8, kWideSlot}, {4, kNarrowSlot}, {4, kNarrowSlot}, {4, kNarrowSlot},
    {4, kNarrowSlot}, {8, kWideSlot},   {8, kWideSlot}, {8, kWideSlot},   {5, kWideSlot},   {4, kWideSlot},
    {4, kWideSlot},   {4, kWideSlot},   {8, kWideSlot}, {4, kNarrowSlot}, {5, kWideSlot},   {7, kNarrowSlot},
}};

constexpr std::size_t OldTableOffset(int table) {
    std::size_t offset = kOldTables;
    for (int t = 0; t < table - 1; ++t) offset += kOldTableShapes[t].entries * kOldTableShapes[t].slot;
    return offset;
}
static_assert(OldTableOffset(19) == kOldSettings, "the old text tables end where the old settings begin");

// Entries (from 1) of old table `from` copied to entries of new table `to`.
struct TextCopy {
    int from, fromEntry, to, toEntry, count;
};

constexpr TextCopy kTextCopies[] = {
    {2, 1, 2, 1, 3},   {3, 1, 3, 1, 8},   {4, 1, 4, 1, 4},   {5, 1, 5, 1, 3},   {6, 1, 6, 1, 4},
    {7, 1, 7, 1, 4},   {8, 1, 8, 1, 8},   {9, 1, 9, 1, 1},   {9, 4, 9, 4, 2},   {9, 7, 27, 2, 2},
    {10, 1, 10, 1, 2}, {10, 5, 10, 5, 1}, {11, 1, 11, 1, 5}, {12, 1, 12, 1, 4}, {13, 1, 13, 1, 4},
    {15, 1, 15, 1, 7}, {16, 1, 23, 1, 4}, {17, 1, 25, 1, 4}, {17, 5, 25, 6, 1}, {18, 1, 26, 1, 7},
};
// Only files with the extension block carry these two entries.
constexpr TextCopy kExtensionTextCopy = {14, 3, 14, 5, 2};

using Bytes = std::vector<std::uint8_t>;

void CopyTexts(const Bytes& file, TaskModel& model, const TextCopy& copy) {
    const OldTable& shape = kOldTableShapes[copy.from - 1];
    const TerminalTextsView tables(model.texts);
    for (int k = 0; k < copy.count; ++k) {
        const std::size_t from = OldTableOffset(copy.from) + (copy.fromEntry - 1 + k) * shape.slot;
        const Slot to = tables.EntrySlot(copy.to, copy.toEntry - 1 + k);
        std::copy_n(&file[from], std::min(shape.slot, to.size()), to.begin());
    }
}

// Copies the bits of `from` selected by `mask` into `to`.
void CopyBits(Byte& to, Byte from, Byte mask) { to = static_cast<Byte>((to & ~mask) | (from & mask)); }

void ConvertBarcode(const Byte* b, TaskModel& model) {
    auto& B = model.barcode;
    constexpr Byte kAll = 0xFF;
    // Masks of the bits taken from the old block; bytes 3, 4, 8 and 22 are
    // not barcode bytes there.
    constexpr std::array<Byte, 22> kTaken = {kAll, kAll, 0xFE, 0, 0, kAll, kAll, 0xF8, 0, kAll, kAll,
                                             0xDF, 0x9F, kAll, kAll, kAll, kAll, kAll, kAll, kAll, kAll, kAll};
    for (std::size_t i = 0; i < kTaken.size(); ++i) CopyBits(B[i], b[i], kTaken[i]);
    model.terminal[terminal::kKeyboardType] = b[3];
    model.terminal[terminal::kWedgeFlags] = b[4];
    model.terminal[terminal::kCharacterDelay] = b[8];
    model.terminal[terminal::kTransmitTimeout] = b[23];
}

void DateFromCode(const FormView& f, Byte d) {
    f.SetStampYear(1);
    f.SetStampMonth(1);
    f.SetStampDay(1);
    f.SetStampTwoDigitYear(0);
    const int bySix = d % 6;
    f.SetStampDateSeparated((bySix >= 1 && bySix <= 3) ? 1 : 0);
    const int byThree = d % 3;
    f.SetDateOrder(byThree == 1 ? 0 : byThree == 2 ? 1 : 2);
}

void TimeFromCode(const FormView& f, Byte t) {
    f.SetStampHour(1);
    f.SetStampMinute(1);
    f.SetStampSecond(t & 1);
    const int byFour = t % 4;
    f.SetStampTimeSeparated((byFour == 1 || byFour == 2) ? 1 : 0);
}

void SetDateParts(const FormView& f, Byte on) {
    f.SetStampYear(on);
    f.SetStampMonth(on);
    f.SetStampDay(on);
    f.SetStampDateSeparated(on);
}

void SetTimeParts(const FormView& f, Byte on) {
    f.SetStampHour(on);
    f.SetStampMinute(on);
    f.SetStampSecond(on);
    f.SetStampTimeSeparated(on);
}

void ConvertStamp(const FormView& f, Byte d, Byte t) {
    if (d == 0 && t == 0) {
        f.SetStampPosition(0);
        f.SetStampSeparateFields(1);
        SetDateParts(f, 1);
        SetTimeParts(f, 1);
        f.SetStampTwoDigitYear(0);
        return;
    }
    if (d == 0) {
        f.SetStampPosition(t < 5 ? 2 : 1);
        f.SetStampSeparateFields(0);
        SetDateParts(f, 0);
        TimeFromCode(f, t);
        return;
    }
    f.SetStampPosition(d < 7 ? 2 : 1);
    DateFromCode(f, d);
    if (t == 0) {
        f.SetStampSeparateFields(0);
        SetTimeParts(f, 0);
    } else {
        f.SetStampSeparateFields(1);
        TimeFromCode(f, t);
    }
}

Byte ConvertFieldType(Byte old) {
    switch (old) {
        case 5: return form::kFixedData;
        case 6: return form::kPromptOnly;
        case 8: return form::kExtension;
        case 9: return form::kBoolean;
        default: return old;
    }
}

void ConvertForm(const Byte* old, FormRecord& record) {
    using namespace form;
    const FormView f(record);
    f.SetFont(old[0]);
    f.SetEscTarget(old[1]);
    f.SetNextTarget(old[2]);
    ConvertStamp(f, old[3], old[4]);
    f.SetDateSeparator('/');
    f.SetTimeSeparator(':');
    f.SetRecordAction(old[5]);
    f.SetLookupFile(old[6]);
    for (int i = 0; i < kFormLines; ++i) {
        f.SetLookupField(i, old[kOldLookupFields + i]);
        f.SetType(i, ConvertFieldType(old[kOldFieldTypes + i]));
    }
    std::copy_n(old + kOldPrompts, kFormLines * kPromptWidth, &record[kPrompt]);
    std::copy_n(old + kOldPerLine, kPerLineRun, &record[kInputSource]);
    f.SetLinesToLastInput(old[kOldLineCount]);
    f.SetCurrentLine(old[kOldCurrentLine]);
}

void ConvertSettings(const Bytes& file, TaskModel& model) {
    const StartupView s(model.startup);
    const Byte* old = &file[kOldSettings];
    s.SetStartWithMenu(file[kOldProgramStart]);
    s.SetFirstSeparator(file[kOldSeparators]);
    s.SetSecondSeparator(file[kOldSeparators + 1]);
    s.SetUploadPort(old[0]);
    s.SetDownloadPort(old[1]);
    s.SetBaudRate(old[2]);
    s.SetBacklight(old[3]);
    if (old[4] != 0) s.SetBacklightIdle(static_cast<Byte>(old[4] - '0'));  // stored as a digit character
    s.SetDataDeletion(old[5]);
    s.SetEntryOption(old[6] == 0 ? 1 : 0);
    for (int i = 0; i < startup::kProtectedFunctionCount; ++i) s.SetProtectedFunction(i, old[8 + i]);
    // The old password's ten characters, then the two bytes the old layout lacks.
    const Slot password = s.PasswordSlot();
    std::copy_n(&file[kOldPassword], kOldPasswordWidth, password.begin());
    std::fill(password.begin() + kOldPasswordWidth, password.end(), Byte{0});
}

void ConvertExtension(const Bytes& file, TaskModel& model) {
    const Byte* e = &file[kOldExtension];
    if (e[0] != kExtensionMark) return;
    StartupView(model.startup).SetSeparateDataFiles(e[11]);
    model.terminal[terminal::kAddReturn] = e[1];
    for (int i = 0; i < kLookupCount; ++i) {
        const LookupView lookup(model.lookups[i]);
        lookup.SetDelimiter(e[2 + i]);
        lookup.SetUploadable(e[5 + i]);
        lookup.SetNoMatchAction(e[8 + i]);
    }
    CopyTexts(file, model, kExtensionTextCopy);
}

}  // namespace

void ConvertOlderLayout(const Bytes& file, TaskModel& model) {
    std::copy_n(&file[kOldReserved], kTaskReservedSize, model.reserved.begin());
    ConvertBarcode(&file[kOldBarcode], model);
    for (int m = 0; m < kMenuCount; ++m) {
        std::copy_n(&file[kOldMenus + m * kOldMenuSize], kOldMenuSize, model.menus[m].begin());
    }
    for (int f = 0; f < kFormCount; ++f) ConvertForm(&file[kOldForms + f * kOldFormSize], model.forms[f]);
    for (int l = 0; l < kLookupCount; ++l) {
        std::copy_n(&file[kOldLookups + l * kOldLookupSize], kOldLookupSize, model.lookups[l].begin());
    }
    ConvertSettings(file, model);
    for (const TextCopy& copy : kTextCopies) CopyTexts(file, model, copy);
    ConvertExtension(file, model);
    ResetWeightCodeDefaults(model);
}

}  // namespace task
