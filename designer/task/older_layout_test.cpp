#include "designer/task/older_layout.h"

#include <cstring>

#include <gtest/gtest.h>

#include "designer/task/form_view.h"
#include "designer/task/menu_view.h"
#include "designer/task/startup_view.h"
#include "designer/task/task_file.h"
#include "designer/task/terminal_texts_view.h"
#include "designer/task/test_support.h"

namespace task {
namespace {

using namespace form;
using testing::EnglishDefaults;
using testing::FreshTask;

// Offsets in a 7xx file, as the file layout lays them out.
constexpr std::size_t kBarcode = 11, kMenus = 35, kForms = 2535, kLookups = 8545, kSeparators = 8602,
                      kTables = 8604, kSettings = 10466, kPassword = 10486, kExtensionBlock = 10496;
constexpr std::size_t kOldFormSize = 601;

struct OldFile {
    std::vector<std::uint8_t> bytes = std::vector<std::uint8_t>(kOlderFileSize, 0);

    OldFile() { std::memcpy(bytes.data(), "7xx-4.00", 8); }
    std::uint8_t* Form(int f) { return &bytes[kForms + f * kOldFormSize]; }
    void Text(std::size_t offset, const char* text) { std::memcpy(&bytes[offset], text, std::strlen(text) + 1); }

    TaskModel Convert() {
        TaskModel model;
        const ReadResult result = DecodeTaskFile(bytes, EnglishDefaults(), model);
        EXPECT_EQ(result.status, ReadStatus::Ok);
        EXPECT_TRUE(result.olderLayout);
        EXPECT_FALSE(result.upgraded);
        return model;
    }
};

std::string Entry(const TaskModel& model, int table, int entry) {
    return ConstTerminalTextsView(model.texts).Text(table, entry);
}

TEST(OlderLayout, StampCodes) {
    OldFile old;
    old.Form(0)[3] = 0;  // no date, no time: everything on, no position
    old.Form(0)[4] = 0;
    old.Form(1)[3] = 0;  // time only
    old.Form(1)[4] = 3;
    old.Form(2)[3] = 10;  // date only, code 10: position 1, no separator, year.month.day
    old.Form(2)[4] = 0;
    old.Form(3)[3] = 2;  // both; date code 2: separator on, month.day.year
    old.Form(3)[4] = 6;
    const TaskModel model = old.Convert();

    const FormRecord& none = model.forms[0];
    EXPECT_EQ(none[kStampPosition], 0);
    EXPECT_EQ(none[kStampSeparateFields], 1);
    for (std::size_t part : {kStampYear, kStampMonth, kStampDay, kStampDateSeparated, kStampHour, kStampMinute,
                             kStampSecond, kStampTimeSeparated}) {
        EXPECT_EQ(none[part], 1) << part;
    }

    const FormRecord& time = model.forms[1];
    EXPECT_EQ(time[kStampPosition], 2);
    EXPECT_EQ(time[kStampSeparateFields], 0);
    EXPECT_EQ(time[kStampYear], 0);
    EXPECT_EQ(time[kStampDateSeparated], 0);
    EXPECT_EQ(time[kStampSecond], 1);
    EXPECT_EQ(time[kStampTimeSeparated], 0);

    const FormRecord& date = model.forms[2];
    EXPECT_EQ(date[kStampPosition], 1);
    EXPECT_EQ(date[kStampSeparateFields], 0);
    EXPECT_EQ(date[kStampDateSeparated], 0);
    EXPECT_EQ(date[kDateOrder], 0);
    EXPECT_EQ(date[kStampHour], 0);

    const FormRecord& both = model.forms[3];
    EXPECT_EQ(both[kStampPosition], 2);
    EXPECT_EQ(both[kStampSeparateFields], 1);
    EXPECT_EQ(both[kStampDateSeparated], 1);
    EXPECT_EQ(both[kDateOrder], 1);
    EXPECT_EQ(both[kStampSecond], 0);
    EXPECT_EQ(both[kStampTimeSeparated], 1);
    EXPECT_EQ(both[kDateSeparator], '/');
    EXPECT_EQ(both[kTimeSeparator], ':');
}

TEST(OlderLayout, FormLinesMenusAndLookups) {
    OldFile old;
    std::uint8_t* f = old.Form(0);
    f[0] = 1;
    f[2] = 12;
    f[5] = 3;  // record action
    f[6] = 2;  // lookup file
    const std::uint8_t types[8] = {1, 5, 6, 8, 9, 7, 2, 0};
    std::memcpy(f + 15, types, 8);
    f[7 + 5] = 4;
    std::memcpy(f + 23 + 21, "Count:", 6);
    f[191 + 2] = 1;          // input source of line 3
    f[191 + 16 + 1] = 40;    // maximum length of line 2
    f[191 + 56 + 10] = '7';  // initial value of line 2
    f[583 + 3] = 2;          // auto ENTER of line 4
    f[591 + 7] = '_';        // input mark of line 8
    f[599] = 6;
    old.Text(kMenus + 250 * 3 + 23, "1.Receive");
    old.bytes[kMenus + 250 * 3 + 234] = 5;
    old.bytes[kLookups + 19 + 0] = 30;
    old.bytes[kLookups + 19 + 18] = 7;

    const TaskModel model = old.Convert();
    const FormRecord& form = model.forms[0];
    EXPECT_EQ(form[kFont], 1);
    EXPECT_EQ(form[kNextTarget], 12);
    EXPECT_EQ(form[kRecordAction], 3);
    EXPECT_EQ(form[kLookupFile], 2);
    const std::uint8_t converted[8] = {1, kFixedData, kPromptOnly, kExtension, kBoolean, 7, 2, 0};
    for (int j = 0; j < 8; ++j) EXPECT_EQ(form[kFieldType + j], converted[j]) << j;
    EXPECT_EQ(form[kLookupField + 5], 4);
    EXPECT_EQ(ConstFormView(form).Prompt(1), "Count:");
    EXPECT_EQ(form[kInputSource + 2], 1);
    EXPECT_EQ(form[kMaxLength + 1], 40);
    EXPECT_EQ(form[kInitialValue + 10], '7');
    EXPECT_EQ(form[kAutoEnter + 3], 2);
    EXPECT_EQ(form[kInputMark + 7], '_');
    EXPECT_EQ(form[kLineCount], 6);
    EXPECT_EQ(form[kPartialMaxLength + 2], 0) << "old bytes replace the defaults";

    EXPECT_EQ(ConstMenuView(model.menus[3]).Item(0), "1.Receive");
    EXPECT_EQ(model.menus[3][menu::kItemTargets], 5);
    EXPECT_EQ(model.lookups[1][lookup::kRecordLength], 30);
    EXPECT_EQ(model.lookups[1][lookup::kDelimiter - 1], 7);
    EXPECT_EQ(model.lookups[1][lookup::kDelimiter], 9) << "byte 18 of the old lookup ends the copy";
    EXPECT_EQ(model.lookups[1][lookup::kUploadable], 1);
}

// A value that tells which old byte it came from, never zero.
std::uint8_t OldByteMark(std::size_t offset) { return static_cast<std::uint8_t>(offset % 251 + 1); }

TEST(OlderLayout, EveryPerLineArrayLandsInItsPlace) {
    // Old offset, new offset and width of each per-line array, worked out
    // from the field sizes of the old record.
    struct Array {
        std::size_t old, now, width;
    };
    constexpr Array kArrays[] = {
        {191, kInputSource, 1},      {199, kMinLength, 1},        {207, kMaxLength, 1},
        {215, kFixedLength, 1},      {223, kAlignment, 1},        {231, kFixedLengthValue, 1},
        {239, kHasInitialValue, 1},  {247, kInitialValue, 10},    {327, kHasPrefix, 1},
        {335, kPrefix, 10},          {415, kHasSuffix, 1},        {423, kSuffix, 10},
        {503, kPartialMode, 1},      {511, kPartialStart, 1},     {519, kPartialMaxLength, 1},
        {527, kCheckLeadingCode, 1}, {535, kLeadingCode, 6},      {583, kAutoEnter, 1},
        {591, kInputMark, 1},
    };
    OldFile old;
    std::uint8_t* f = old.Form(4);
    for (std::size_t a = 0; a < std::size(kArrays); ++a) {
        for (std::size_t i = 0; i < kFormLines * kArrays[a].width; ++i) {
            f[kArrays[a].old + i] = OldByteMark(kArrays[a].old + i);
        }
    }
    f[599] = 7;
    f[600] = 3;
    const TaskModel model = old.Convert();
    const FormRecord& form = model.forms[4];
    for (std::size_t a = 0; a < std::size(kArrays); ++a) {
        for (std::size_t i = 0; i < kFormLines * kArrays[a].width; ++i) {
            EXPECT_EQ(form[kArrays[a].now + i], OldByteMark(kArrays[a].old + i))
                << "array at old offset " << kArrays[a].old << ", byte " << i;
        }
    }
    EXPECT_EQ(form[kLineCount], 7);
    EXPECT_EQ(form[kCurrentLine], 3);
    EXPECT_EQ(form[kLineText], 0) << "the 50-byte texts are not in the old record";
    EXPECT_EQ(form[kCheckDigit], 0);
}

TEST(OlderLayout, BarcodeWedgeAndSettings) {
    OldFile old;
    for (int i = 0; i < 24; ++i) old.bytes[kBarcode + i] = static_cast<std::uint8_t>(0xA0 + i);
    old.bytes[10] = 1;  // program start
    old.bytes[8] = 0x11;
    old.bytes[9] = 0x22;
    old.bytes[kSeparators] = ',';
    old.bytes[kSeparators + 1] = ';';
    const std::uint8_t s[20] = {3, 2, 4, 1, '5', 1, 0, 9, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 1};
    std::memcpy(&old.bytes[kSettings], s, 20);
    std::memcpy(&old.bytes[kPassword], "1234567890", 10);

    const TaskModel model = old.Convert();
    const TaskModel fresh = FreshTask();
    EXPECT_EQ(model.reserved[0], 0x11);
    EXPECT_EQ(model.reserved[1], 0x22);
    EXPECT_EQ(model.barcode[0], 0xA0);
    EXPECT_EQ(model.barcode[2], (0xA2 & 0xFE) | (fresh.barcode[2] & 1));
    EXPECT_EQ(model.barcode[3], fresh.barcode[3]);
    EXPECT_EQ(model.barcode[4], fresh.barcode[4]);
    EXPECT_EQ(model.barcode[7], (0xA7 & 0xF8) | (fresh.barcode[7] & 7));
    EXPECT_EQ(model.barcode[8], fresh.barcode[8]);
    EXPECT_EQ(model.barcode[11], (0xAB & 0xDF) | (fresh.barcode[11] & 0x20));
    EXPECT_EQ(model.barcode[12], (0xAC & 0x9F) | (fresh.barcode[12] & 0x60));
    EXPECT_EQ(model.barcode[21], 0xB5);
    EXPECT_EQ(model.barcode[22], fresh.barcode[22]);
    EXPECT_EQ(model.terminal[0], 0xA3);
    EXPECT_EQ(model.terminal[1], 0xA4);
    EXPECT_EQ(model.terminal[2], 0xA8);
    EXPECT_EQ(model.terminal[3], 0xB7);

    const auto& st = model.startup;
    EXPECT_EQ(st[startup::kStartWithMenu], 1);
    EXPECT_EQ(st[startup::kFirstSeparator], ',');
    EXPECT_EQ(st[startup::kSecondSeparator], ';');
    EXPECT_EQ(st[startup::kUploadPort], 3);
    EXPECT_EQ(st[startup::kDownloadPort], 2);
    EXPECT_EQ(st[startup::kBaudRate], 4);
    EXPECT_EQ(st[startup::kBacklight], 1);
    EXPECT_EQ(st[startup::kBacklightIdle], 5);
    EXPECT_EQ(st[startup::kDataDeletion], 1);
    EXPECT_EQ(st[startup::kEntryOption], 1) << "old entry flag 0 means show the count";
    EXPECT_EQ(st[startup::kProtectedFunctions], 1);
    EXPECT_EQ(st[startup::kProtectedFunctions + 11], 1);
    EXPECT_EQ(TextBeforeZero(ConstStartupView(st).PasswordSlot()), "1234567890");
    EXPECT_EQ(st[startup::kLayoutRevision], 4);
    EXPECT_EQ(model.weightCode, fresh.weightCode);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(model.firmwareId.data())), "8300RU004");
}

TEST(OlderLayout, TextTablesAndTheExtensionBlock) {
    OldFile old;
    const std::size_t o9 = kTables + 64 * 6 + 168 * 2;  // o1..o8 before it
    const std::size_t o14 = kTables + 64 * 6 + 168 * 4 + 105 + 84 * 2;
    const std::size_t o17 = kTables + 64 * 7 + 168 * 5 + 105 + 84 * 3;
    old.Text(kTables + 64, "Collect");           // o2 entry 1
    old.Text(o9 + 21 * 6, "old o9 entry 7");    // to table 27 entry 2
    old.Text(o14 + 21 * 2, "old o14 entry 3");  // only with the extension block
    old.Text(o17 + 21 * 4, "old o17 entry 5");  // to table 25 entry 6
    old.bytes[kExtensionBlock + 11] = 1;
    old.bytes[kExtensionBlock + 1] = 0;
    old.bytes[kExtensionBlock + 2] = ';';

    TaskModel model = old.Convert();
    const TaskModel fresh = FreshTask();
    EXPECT_EQ(Entry(model, 2, 0), "Collect");
    EXPECT_EQ(Entry(model, 2, 3), "            ");
    EXPECT_EQ(Entry(model, 27, 1), "old o9 entry 7");
    EXPECT_EQ(Entry(model, 27, 0), Entry(fresh, 27, 0));
    EXPECT_EQ(Entry(model, 25, 5), "old o17 entry 5");
    EXPECT_EQ(Entry(model, 25, 4), Entry(fresh, 25, 4));
    EXPECT_EQ(Entry(model, 14, 4), Entry(fresh, 14, 4)) << "no extension block, no o14 entries";
    EXPECT_EQ(model.startup[startup::kClockLineMode], 0);
    EXPECT_EQ(model.terminal[terminal::kAddReturn], 1);
    EXPECT_EQ(model.lookups[0][lookup::kDelimiter], 9);

    old.bytes[kExtensionBlock] = '@';
    old.bytes[kExtensionBlock + 5 + 2] = 0;  // lookup 3 not uploadable
    old.bytes[kExtensionBlock + 8 + 1] = 4;  // lookup 2 no-match action
    model = old.Convert();
    EXPECT_EQ(Entry(model, 14, 4), "old o14 entry 3");
    EXPECT_EQ(model.startup[startup::kClockLineMode], 1);
    EXPECT_EQ(model.terminal[terminal::kAddReturn], 0);
    EXPECT_EQ(model.lookups[0][lookup::kDelimiter], ';');
    EXPECT_EQ(model.lookups[2][lookup::kUploadable], 0);
    EXPECT_EQ(model.lookups[1][lookup::kNoMatchAction], 4);
}

TEST(OlderLayout, ShortAndForeignFiles) {
    OldFile old;
    std::memcpy(old.bytes.data(), "7xx-3.10", 8);
    old.Convert();
    old.bytes.resize(kOlderFileSize - 1);
    TaskModel model = FreshTask();
    const TaskModel before = model;
    EXPECT_EQ(DecodeTaskFile(old.bytes, EnglishDefaults(), model).status, ReadStatus::TooShort);
    EXPECT_EQ(model, before);
}

}  // namespace
}  // namespace task
