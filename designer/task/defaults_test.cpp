#include "designer/task/defaults.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "designer/strings/english_table.h"
#include "designer/task/startup_view.h"
#include "designer/task/terminal_texts_view.h"
#include "designer/task/test_support.h"

namespace task {
namespace {

using testing::FreshTask;

TEST(NewTask, FormsMenusAndLookups) {
    const TaskModel model = FreshTask();
    EXPECT_EQ(TextBeforeZero(model.firmwareId), "8300RU004");
    for (int i = 0; i < kFormCount; ++i) {
        const FormRecord& f = model.forms[i];
        EXPECT_EQ(f[form::kNextTarget], i + 1) << "form " << i + 1 << " starts itself again";
        EXPECT_EQ(f[form::kStampSeparateFields], 1);
        EXPECT_EQ(f[form::kDateSeparator], '/');
        EXPECT_EQ(f[form::kTimeSeparator], ':');
        EXPECT_EQ(f[form::kInputSource + 7], 2);
        EXPECT_EQ(f[form::kMaxLength + 3], 80);
        EXPECT_EQ(f[form::kPartialMaxLength], 20);
        EXPECT_EQ(f[form::kAutoEnter + 5], 1);
        EXPECT_EQ(f[form::kFieldType], 0);
    }
    for (const MenuRecord& m : model.menus) EXPECT_EQ(m, MenuRecord{});
    for (const LookupRecord& l : model.lookups) {
        EXPECT_EQ(l[lookup::kFieldOffsets + 7], 1);
        EXPECT_EQ(l[lookup::kDelimiter], 9);
        EXPECT_EQ(l[lookup::kUploadable], 1);
        EXPECT_EQ(l[lookup::kRecordLength], 0);
    }
}

TEST(NewTask, SettingsBlocks) {
    const TaskModel model = FreshTask();
    const auto& s = model.startup;
    EXPECT_EQ(s[startup::kLayoutRevision], 4);
    EXPECT_EQ(s[startup::kFirstSeparator], 9);
    EXPECT_EQ(s[startup::kUploadPort], 1);
    EXPECT_EQ(s[startup::kDownloadPort], 1);
    EXPECT_EQ(s[startup::kBacklightIdle], 2);
    EXPECT_EQ(s[startup::kEntryOption], 1);
    EXPECT_EQ(s[startup::kEntryDuration], 6);
    EXPECT_EQ(s[startup::kKeyClick], 2);
    EXPECT_EQ(s[startup::kGoodReadBeep], 1);
    EXPECT_EQ(s[startup::kWarningBeep], 2);
    EXPECT_EQ(ConstStartupView(s).ExtraText(0), "8. Calculator       ");

    const std::array<Byte, kWeightCodeSettingsSize> weight = {0xDA, 0xAB, 0, 0, '2', '3', 7, 0, 2, 0, 4, 0};
    EXPECT_EQ(model.weightCode, weight);
    std::array<Byte, kTerminalSettingsSize> terminal{};
    terminal[4] = 1;
    EXPECT_EQ(model.terminal, terminal);
}

TEST(NewTask, TerminalTexts) {
    const TaskModel model = FreshTask();
    const auto text = [&](int table, int entry) {
        return ConstTerminalTextsView(model.texts).Text(table, entry);
    };
    EXPECT_EQ(text(1, 0), "");
    EXPECT_EQ(text(2, 0), "1.Collect data ");
    EXPECT_EQ(text(2, 1), "2.Upload data  ");
    EXPECT_EQ(text(2, 3), "            ") << "the main menu's fourth entry is 12 spaces";
    EXPECT_EQ(text(3, 0), "1. Prog. Settings   ");
    EXPECT_EQ(text(3, 7), "8. Load Lookup File ");
    EXPECT_EQ(text(19, 1), "Data inserted!!");
    EXPECT_EQ(text(25, 5), "Press any key...    ");
    EXPECT_EQ(text(27, 0), "FN+<:Edit  FN+>:Del ");
    // Every table slot that has a default text holds exactly its width.
    for (int t = 2; t <= 27; ++t) {
        const TextTable& table = kTextTables[t - 1];
        for (int e = 0; e < table.entries; ++e) {
            if (t == 2 && e == 3) continue;  // the blank fourth entry of the main menu
            EXPECT_EQ(text(t, e).size(), table.slot - 1) << t << "/" << e;
        }
    }
}

TEST(NewTask, LeavesNothingOfTheTaskBefore) {
    // Bytes no default names are zero, as in a designer started afresh, and
    // a new task made over a used one is the same byte for byte, its barcode
    // settings included.
    TaskModel used;
    used.firmwareId.fill(0xEE);
    used.reserved.fill(0xEE);
    for (auto& m : used.menus) m.fill(0xEE);
    for (auto& f : used.forms) f.fill(0xEE);
    for (auto& l : used.lookups) l.fill(0xEE);
    used.texts.fill(0xEE);
    used.terminal.fill(0xEE);
    used.startup.fill(0xEE);
    used.weightCode.fill(0xEE);
    used.barcode.fill(0);  // the bits no editor owns are 0 in a fresh designer too
    MakeNewTask(used, testing::EnglishDefaults());
    EXPECT_EQ(used, FreshTask());

    const TaskModel model = FreshTask();
    const auto allZero = [](const Byte* from, std::size_t count) {
        return std::all_of(from, from + count, [](Byte b) { return b == 0; });
    };
    EXPECT_TRUE(allZero(model.reserved.data(), kTaskReservedSize));
    for (const FormRecord& f : model.forms) {
        EXPECT_TRUE(allZero(&f[form::kLineText], kFormLines * form::kLineTextWidth));
        EXPECT_TRUE(allZero(&f[form::kFnRemains], kFormRecordSize - form::kFnRemains));
    }
    for (const LookupRecord& l : model.lookups) {
        EXPECT_TRUE(allZero(&l[lookup::kNegativeRemains], kLookupRecordSize - lookup::kNegativeRemains));
    }
    EXPECT_TRUE(allZero(&model.startup[69], 15));
    EXPECT_TRUE(allZero(&model.startup[255], kStartupSettingsSize - 255));
    EXPECT_TRUE(allZero(&model.texts[0], TextTableOffset(2))) << "table 1 is empty";
}

TEST(DefaultTexts, FitTheirLinesAndFollowTheLanguage) {
    text::StringTable strings = strings::MakeStringTable();
    const DefaultTexts texts = LoadDefaultTexts(strings);
    for (const auto& [id, text] : texts.byId) {
        EXPECT_TRUE(text.size() == 15 || text.size() == 20) << "id " << id << ": " << text;
    }
    // The ids of the tables and of the 15- and 20-character variants.
    EXPECT_EQ(texts.Text(721), "1.Collect data ");
    EXPECT_EQ(texts.Text(761).size(), 20u);
    EXPECT_EQ(texts.Text(771).size(), 15u);
    EXPECT_EQ(texts.Text(1741), "8. Calculator       ");
    EXPECT_EQ(texts.Text(1755).size(), 15u);
    EXPECT_FALSE(texts.byId.contains(1121)) << "a message is no terminal text";
}

TEST(MakeNewTask, ResetsTheBarcodeAndKeepsItsUnownedBits) {
    // New over an open task: the barcode settings go back to their defaults,
    // except the bits no editor owns, which keep what the task held.
    TaskModel model;
    model.barcode.fill(0xFF);
    MakeNewTask(model, testing::EnglishDefaults());
    const std::array<Byte, kBarcodeSettingsSize> expected = {
        0x9B, 0xC9, 0x00, 0x3F, 0x8B, 0x2D, 0x54, 0x87, 0xFF, 0x19, 0x3D, 0x20,
        0x9F, 0x01, 0xFE, 0x01, 0xFF, 0x01, 0xFF, 0x01, 0x66, 0x03, 0xFF,
    };
    EXPECT_EQ(model.barcode, expected);

    model.barcode.fill(0);
    MakeNewTask(model, testing::EnglishDefaults());
    EXPECT_EQ(model.barcode[4], 0x88);
    EXPECT_EQ(model.barcode[11], 0x00);
    EXPECT_EQ(model.barcode[22], 0xC0);
}

}  // namespace
}  // namespace task
