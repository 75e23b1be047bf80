#pragma once
// The task: ten fixed-size byte blocks. The bytes are the truth: the task
// file stores them verbatim, the terminal image is built from them and the
// simulator keeps its state in a few of them. Offsets below are binding.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "designer/task/bit_field.h"

namespace task {

constexpr std::size_t kFirmwareIdSize = 10;
constexpr std::size_t kTaskReservedSize = 2;
constexpr std::size_t kBarcodeSettingsSize = 23;
constexpr std::size_t kMenuRecordSize = 350;
constexpr std::size_t kFormRecordSize = 1215;
constexpr std::size_t kLookupRecordSize = 122;
constexpr std::size_t kTerminalTextsSize = 2468;
constexpr std::size_t kTerminalSettingsSize = 55;
constexpr std::size_t kStartupSettingsSize = 268;
constexpr std::size_t kWeightCodeSettingsSize = 12;

constexpr int kMenuCount = 10;
constexpr int kFormCount = 10;
constexpr int kLookupCount = 3;
constexpr int kFormLines = 8;
constexpr int kFunctionKeys = 4;

// Text slots: 20 screen characters (small font) or 15 (large font) plus a terminating zero.
constexpr std::size_t kWideSlot = 21;
constexpr std::size_t kNarrowSlot = 16;

// What the font byte of a form or a menu (and the large-font switch of the
// built-in screens) means on the terminal's screen.
constexpr int kSmallFontWidth = 20;
constexpr int kLargeFontWidth = 15;
constexpr int TextWidth(bool largeFont) { return largeFont ? kLargeFontWidth : kSmallFontWidth; }
// The large font's taller characters leave room for half the lines.
constexpr int ShownFormLines(bool largeFont) { return largeFont ? kFormLines / 2 : kFormLines; }

constexpr char kFirmwareId[] = "8300RU004";

using MenuRecord = std::array<Byte, kMenuRecordSize>;
using FormRecord = std::array<Byte, kFormRecordSize>;
using LookupRecord = std::array<Byte, kLookupRecordSize>;
using TerminalTexts = std::array<Byte, kTerminalTextsSize>;
using TerminalSettings = std::array<Byte, kTerminalSettingsSize>;
using StartupSettings = std::array<Byte, kStartupSettingsSize>;

struct TaskModel {
    std::array<Byte, kFirmwareIdSize> firmwareId{};
    std::array<Byte, kTaskReservedSize> reserved{};
    std::array<Byte, kBarcodeSettingsSize> barcode{};
    std::array<MenuRecord, kMenuCount> menus{};
    std::array<FormRecord, kFormCount> forms{};
    std::array<LookupRecord, kLookupCount> lookups{};
    TerminalTexts texts{};
    TerminalSettings terminal{};
    StartupSettings startup{};
    std::array<Byte, kWeightCodeSettingsSize> weightCode{};

    bool operator==(const TaskModel&) const = default;
};

// FirmwareId := the designer's own identifier and a terminating zero. A task
// carries it whatever file or image it came from.
inline void WriteFirmwareId(TaskModel& model) {
    model.firmwareId.fill(0);
    std::copy_n(kFirmwareId, sizeof kFirmwareId - 1, model.firmwareId.begin());
}

// The task being edited: its blocks and what the designer knows about them.
struct Task {
    TaskModel model;
    std::string currentPath;  // empty for a task never saved; at most 255 characters
    bool modified = false;
    int recordCounter = 0;  // records completed in the simulator since New or Open
};

// Targets in forms and menus: 0 main menu, 1..10 form n, 11..20 menu n-10.
constexpr Byte kTargetMainMenu = 0;
constexpr Byte kFirstMenuTarget = 11;
constexpr Byte kLastTarget = 20;

namespace menu {
constexpr std::size_t kFont = 0;
constexpr std::size_t kShowCaption = 1;
constexpr std::size_t kCaption = 2;        // 21 bytes
constexpr std::size_t kItems = 23;         // 10 x 21 bytes
constexpr int kItemCount = 10;
constexpr std::size_t kEscTarget = 233;
constexpr std::size_t kItemTargets = 234;  // 10 x 1
constexpr std::size_t kSaveCaption = 244;
constexpr std::size_t kSaveSelected = 245;
constexpr std::size_t kPassDown = 246;
constexpr std::size_t kVisibleItems = 247;  // computed
constexpr std::size_t kCurrentItem = 248;   // simulator state
constexpr std::size_t kEngineState = 249;   // simulator state
}  // namespace menu

namespace form {
constexpr std::size_t kFont = 0;
constexpr std::size_t kEscTarget = 1;
constexpr std::size_t kNextTarget = 2;
constexpr std::size_t kStampPosition = 3;
constexpr std::size_t kStampSeparateFields = 4;
constexpr std::size_t kStampYear = 5;
constexpr std::size_t kStampTwoDigitYear = 6;
constexpr std::size_t kStampMonth = 7;
constexpr std::size_t kStampDay = 8;
constexpr std::size_t kStampDateSeparated = 9;
constexpr std::size_t kDateSeparator = 10;  // character and a zero
constexpr std::size_t kDateOrder = 12;
constexpr std::size_t kStampHour = 13;
constexpr std::size_t kStampMinute = 14;
constexpr std::size_t kStampSecond = 15;
constexpr std::size_t kStampTimeSeparated = 16;
constexpr std::size_t kTimeSeparator = 17;  // character and a zero
constexpr std::size_t kRecordAction = 19;
constexpr std::size_t kLookupFile = 20;
// Per-line arrays: entry i at base + i, or base + i * width.
constexpr std::size_t kLookupField = 21;
constexpr std::size_t kFieldType = 29;
constexpr std::size_t kPrompt = 37;  // 8 x 21
constexpr std::size_t kInputSource = 205;
constexpr std::size_t kMinLength = 213;
constexpr std::size_t kMaxLength = 221;
constexpr std::size_t kFixedLength = 229;
constexpr std::size_t kAlignment = 237;
constexpr std::size_t kFixedLengthValue = 245;
constexpr std::size_t kHasInitialValue = 253;
constexpr std::size_t kInitialValue = 261;  // 8 x 10
constexpr std::size_t kHasPrefix = 341;
constexpr std::size_t kPrefix = 349;  // 8 x 10
constexpr std::size_t kHasSuffix = 429;
constexpr std::size_t kSuffix = 437;  // 8 x 10
constexpr std::size_t kPartialMode = 517;
constexpr std::size_t kPartialStart = 525;
constexpr std::size_t kPartialMaxLength = 533;
constexpr std::size_t kCheckLeadingCode = 541;
constexpr std::size_t kLeadingCode = 549;  // 8 x 6
constexpr std::size_t kAutoEnter = 597;
constexpr std::size_t kInputMark = 605;
constexpr std::size_t kLineText = 613;  // 8 x 50
constexpr std::size_t kLineCount = 1013;    // computed
constexpr std::size_t kCurrentLine = 1014;  // simulator state
constexpr std::size_t kCheckDigit = 1015;
constexpr std::size_t kFnTarget = 1023;  // 4 x 1
constexpr std::size_t kDecimals = 1027;
constexpr std::size_t kFnSummation = 1035;        // 4 x 1
constexpr std::size_t kFnSummationSource = 1039;  // 4 x 1
constexpr std::size_t kOnErrorTarget = 1043;
constexpr std::size_t kFnRemains = 1044;        // 4 x 1
constexpr std::size_t kFnRemainsFilter = 1048;  // 4 x 1
constexpr std::size_t kGs1Identifier = 1052;    // 8 x 4

constexpr std::size_t kPromptWidth = 21;
constexpr std::size_t kInitialValueWidth = 10;
constexpr std::size_t kPrefixWidth = 10;
constexpr std::size_t kSuffixWidth = 10;
constexpr std::size_t kLeadingCodeWidth = 6;
constexpr std::size_t kLineTextWidth = 50;
constexpr std::size_t kGs1IdentifierWidth = 4;

// Fields packed into the bytes of the per-line and per-key arrays.
constexpr BitField kPartialStartPosition{0, 7};  // in kPartialStart, from 1
constexpr BitField kSaveFullBarcode{7, 1};       // in kPartialStart
constexpr BitField kSumField{0, 4};              // in kFnSummation, 0..7
constexpr BitField kMultiplyField{4, 4};         // in kFnSummation, field + 1; 0 = none
constexpr BitField kRemainsField{0, 4};          // in kFnRemains, 0..7
constexpr BitField kRemainsEnabled{4, 1};        // in kFnRemains
constexpr BitField kFilterIsSuffix{0, 1};        // in kFnRemainsFilter
constexpr BitField kFilterVariable{4, 4};        // in kFnRemainsFilter, 0..2

// Field types (offset kFieldType).
enum FieldType : Byte {
    kUnused = 0, kText = 1, kInteger = 2, kReal = 3, kLetter = 4, kAutoPlusMinus = 5,
    kBoolean = 6, kLookup = 7, kFixedData = 8, kPromptOnly = 9, kCounter = 10,
    kPassDownField = 11, kExtension = 12, kPause = 13, kAlphameric = 14,
    kVariable1 = 15, kVariable2 = 16, kVariable3 = 17, kCompare = 18,
};
}  // namespace form

namespace lookup {
constexpr std::size_t kRecordLength = 0;
constexpr std::size_t kFieldCount = 1;
constexpr std::size_t kKeyField = 2;
constexpr std::size_t kFieldOffsets = 3;  // 8 x 1, from 1
constexpr std::size_t kFieldLengths = 11;  // 8 x 1
constexpr std::size_t kDelimiter = 19;
constexpr std::size_t kUploadable = 20;
constexpr std::size_t kNoMatchAction = 21;
constexpr std::size_t kBadRecordAction = 22;
constexpr std::size_t kReadOnce = 23;
constexpr std::size_t kNegativeRemains = 24;
constexpr std::size_t kDeleteIfNull = 25;
constexpr int kMaxFields = 8;  // entries of kFieldOffsets and kFieldLengths
}  // namespace lookup

namespace startup {
constexpr std::size_t kLayoutRevision = 0;
constexpr std::size_t kStartWithMenu = 1;
constexpr std::size_t kFirstSeparator = 2;
constexpr std::size_t kSecondSeparator = 3;
// Non-zero: each form saves to a data file of its own. The main menu's clock
// line shows the record counter only while it is 0.
constexpr std::size_t kClockLineMode = 4;
constexpr std::size_t kUploadPort = 5;
constexpr std::size_t kUploadPhone = 6;  // kPhoneWidth bytes
constexpr std::size_t kDownloadPort = 27;
constexpr std::size_t kBaudRate = 28;
constexpr std::size_t kBacklight = 29;
constexpr std::size_t kBacklightIdle = 30;
constexpr std::size_t kDataDeletion = 31;
constexpr std::size_t kEntryOption = 32;
constexpr std::size_t kEntryDuration = 33;
constexpr std::size_t kProtectedFunctions = 34;  // kProtectedFunctionCount x 1
constexpr std::size_t kPassword = 46;            // kPasswordWidth bytes
constexpr std::size_t kFunctionKeys = 58;        // kFunctionKeyCount x 1
constexpr std::size_t kLargeFontScreens = 68;
constexpr std::size_t kFunctionKeyMapping = 82;
constexpr std::size_t kCodeIdEnabled = 84;
constexpr std::size_t kCodeIds = 85;  // kCodeIdCount x kCodeIdWidth
constexpr std::size_t kModemSpeed = 115;
constexpr std::size_t kDownloadPhone = 116;  // kPhoneWidth bytes
constexpr std::size_t kKeyClick = 137;
constexpr std::size_t kGoodReadBeep = 138;
constexpr std::size_t kWarningBeep = 139;
constexpr std::size_t kProtectedSounds = 140;  // kProtectedSoundCount x 1
constexpr std::size_t kExtraTexts = 150;  // kExtraTextCount x kWideSlot
constexpr int kExtraTextCount = 5;
constexpr std::size_t kOldVibratorDuration = 256;  // moved to 257 when a file is read
constexpr std::size_t kVibratorDuration = 257;
constexpr std::size_t kFieldReplacement = 258;
constexpr Byte kCurrentRevision = 4;

constexpr std::size_t kPhoneWidth = 21;
constexpr std::size_t kPasswordWidth = 12;
constexpr int kProtectedFunctionCount = 12;
constexpr int kFunctionKeyCount = 7;
constexpr int kCodeIdCount = 15;
constexpr std::size_t kCodeIdWidth = 2;
constexpr int kProtectedSoundCount = 3;
}  // namespace startup

namespace terminal {
constexpr std::size_t kKeyboardType = 0;
constexpr std::size_t kWedgeFlags = 1;
constexpr std::size_t kCharacterDelay = 2;
constexpr std::size_t kTransmitTimeout = 3;
constexpr std::size_t kAddReturn = 4;
// In kWedgeFlags.
constexpr BitField kNumericKeypad{0, 1};
constexpr BitField kShiftLockType{1, 2};  // 0 normal, 1 capital-lock, 2 shift-lock keyboard
constexpr BitField kDigitsLayout{3, 2};   // 0 normal, 1 lower, 2 upper position
constexpr BitField kCapitalLock{5, 3};    // one bit set: 1 ignore case, 2 always locked, 4 auto-detection
}  // namespace terminal

// Little-endian 16-bit words.
namespace weight {
constexpr std::size_t kMagic = 0;  // never edited
constexpr std::size_t kFlags = 2;  // bit 0 enabled, bit 1 "1C format"
constexpr std::size_t kPrefix = 4;  // two characters, no terminator
constexpr std::size_t kMaskCode = 6;
constexpr std::size_t kKeyField = 8;
constexpr std::size_t kQuantityField = 10;
// In the low byte of kFlags.
constexpr BitField kEnabled{0, 1};
constexpr BitField kOneCFormat{1, 1};
}  // namespace weight

// The 27 tables of the terminal's built-in screens, stored one after another.
struct TextTable {
    int entries;
    std::size_t slot;   // kNarrowSlot or kWideSlot
    int firstStringId;  // string id of entry 1 in the default texts; 0 for none
};

constexpr std::array<TextTable, 27> kTextTables = {{
    {4, kNarrowSlot, 0},    {4, kNarrowSlot, 721},  {8, kWideSlot, 761},    {4, kNarrowSlot, 981},
    {4, kNarrowSlot, 991},  {4, kNarrowSlot, 1021}, {7, kNarrowSlot, 1031}, {8, kWideSlot, 781},
    {6, kWideSlot, 801},    {6, kWideSlot, 841},    {5, kWideSlot, 861},    {4, kWideSlot, 881},
    {4, kWideSlot, 901},    {6, kWideSlot, 921},    {8, kWideSlot, 941},    {3, kNarrowSlot, 1091},
    {5, kNarrowSlot, 741},  {4, kWideSlot, 821},    {5, kNarrowSlot, 731},  {5, kNarrowSlot, 971},
    {3, kNarrowSlot, 751},  {2, kNarrowSlot, 961},  {4, kNarrowSlot, 1001}, {3, kNarrowSlot, 1011},
    {6, kWideSlot, 1071},   {8, kNarrowSlot, 1041}, {3, kWideSlot, 1051},
}};

constexpr int kTextTableCount = static_cast<int>(kTextTables.size());

// Offset of table `table` (from 1) inside TaskModel::texts; table 28 gives the end.
constexpr std::size_t TextTableOffset(int table) {
    std::size_t offset = 0;
    for (int t = 0; t < table - 1; ++t) offset += kTextTables[t].entries * kTextTables[t].slot;
    return offset;
}

// Offset of entry `entry` (from 0) of table `table` (from 1) inside TaskModel::texts.
constexpr std::size_t TextOffset(int table, int entry) {
    return TextTableOffset(table) + entry * kTextTables[table - 1].slot;
}

static_assert(TextTableOffset(28) == kTerminalTextsSize, "the text tables fill TerminalTexts exactly");

}  // namespace task
