// The Startup page driven by control id as a user would; the texts it
// writes compared with the bytes of their slots.
#include "designer/editors/startup_page.h"

#include <gtest/gtest.h>

#include "designer/editors/lookup_page.h"
#include "designer/editors/test_support.h"
#include "designer/task/startup_view.h"
#include "designer/task/task_file.h"
#include "designer/task/terminal_texts_view.h"
#include "testing/temp_folder.h"

namespace editors {
namespace {

using S = StartupPage;
using Bytes = std::vector<task::Byte>;

class StartupPageTest : public ::testing::Test {
protected:
    void Open() {
        sheet = bench.Open();
        sheet->ShowPage(sheet->FindPage("STARTUPDLG"));
    }
    DialogModel& Page() { return sheet->Active(); }
    const ControlState& State(int id) { return *Page().State(id); }
    void Click(int id) { ASSERT_EQ(Page().Click(id), EventError::None) << id; }
    void Set(int id, const std::string& text) { ASSERT_EQ(Page().SetText(id, text), EventError::None) << id; }
    void Choose(int id, int item) { ASSERT_EQ(Page().Choose(id, item), EventError::None) << id; }
    task::StartupSettings& Startup() { return bench.task.model.startup; }
    // The bytes of an entry's slot in the task.
    Bytes Slot(int table, int entry) {
        const task::Slot slot = task::TerminalTextsView(bench.task.model.texts).EntrySlot(table, entry);
        return {slot.begin(), slot.end()};
    }
    std::string Text(int table, int entry) {
        return task::ConstTerminalTextsView(bench.task.model.texts).Text(table, entry);
    }
    std::string ExtraText(int index) { return task::ConstStartupView(Startup()).ExtraText(index); }

    testing::SheetBench bench;
    std::unique_ptr<PropertySheet> sheet;
};

Bytes Padded(const std::string& text, std::size_t width) {
    Bytes bytes(text.begin(), text.end());
    bytes.resize(width, 0);
    return bytes;
}

TEST_F(StartupPageTest, ShowsTheTasksStartDelimitersAndFirstScreen) {
    Open();
    EXPECT_EQ(State(S::kProgramStartList).items, (std::vector<std::string>{"form 1", "menu 1"}));
    EXPECT_EQ(State(S::kProgramStartList).selection, 0);
    EXPECT_EQ(State(S::kDelimiterCountList).items, (std::vector<std::string>{"nil", " 1 ", " 2 "}));
    EXPECT_EQ(State(S::kDelimiterCountList).selection, 1) << "a new task separates fields with TAB";
    EXPECT_EQ(State(301).text, "9");
    EXPECT_EQ(State(303).text, "\t");
    EXPECT_TRUE(State(303).enabled);
    EXPECT_FALSE(State(302).enabled);
    EXPECT_FALSE(State(304).enabled);
    EXPECT_FALSE(State(S::kLargeFontCheck).checked);

    const std::vector<std::string>& screens = State(S::kScreenList).items;
    ASSERT_EQ(screens.size(), 26u);
    EXPECT_EQ(screens[0], "Main menu (3x15)");
    EXPECT_EQ(screens[3], "Confirm (3x15)");
    EXPECT_EQ(screens[8], "Download Port (6x20)");
    EXPECT_EQ(screens[25], "Misc - continuous (7x20)");
    EXPECT_EQ(State(S::kScreenList).selection, 0);
    EXPECT_EQ(State(311).text, "1.Collect data ");
    EXPECT_EQ(State(501).text, "1.Collect data ");
    EXPECT_EQ(State(313).text, "3.Utilities    ");
    EXPECT_FALSE(State(314).enabled);
    EXPECT_EQ(State(314).text, "");
}

TEST_F(StartupPageTest, DelimiterBoxesShowOneByteAsCodeAndCharacter) {
    Open();
    Set(301, "59");
    EXPECT_EQ(State(303).text, ";");
    Set(301, "13");
    EXPECT_EQ(bench.ui.MessageTexts(), (std::vector<std::string>{"Invalid value!"}));
    EXPECT_EQ(bench.ui.events.back().caption, "Warning");
    EXPECT_EQ(State(301).text, "59");
    Set(301, "x");
    EXPECT_EQ(State(301).text, "59") << "no number keeps the stored code";
    Set(301, "");
    EXPECT_EQ(State(301).text, "59");
    Set(301, "300");
    EXPECT_EQ(State(301).text, "255");
    EXPECT_EQ(State(303).text, "я");
    Set(303, "ab");
    EXPECT_EQ(State(303).text, "a");
    EXPECT_EQ(State(301).text, "97");
    Set(303, "");
    EXPECT_EQ(State(303).text, "a");
    Set(303, "\r");
    EXPECT_EQ(State(303).text, "a") << "a carriage return is refused as its code is";
    EXPECT_EQ(bench.ui.MessageTexts().size(), 2u);
    Set(303, "€");
    EXPECT_EQ(State(301).text, "136") << "the Windows-1251 code";
    sheet->Ok();
    EXPECT_EQ(Startup()[2], 136);
}

TEST_F(StartupPageTest, DelimitersNotInUseAreStoredAsZero) {
    Startup()[2] = ';';
    Startup()[3] = ',';
    Open();
    EXPECT_EQ(State(S::kDelimiterCountList).selection, 2);
    EXPECT_TRUE(State(304).enabled);
    Choose(S::kDelimiterCountList, 1);
    EXPECT_FALSE(State(302).enabled);
    EXPECT_EQ(State(302).text, "44") << "the box still shows it";
    sheet->Ok();
    EXPECT_EQ(Startup()[2], ';');
    EXPECT_EQ(Startup()[3], 0);

    Open();
    Choose(S::kDelimiterCountList, 0);
    EXPECT_FALSE(State(301).enabled);
    sheet->Ok();
    EXPECT_EQ(Startup()[2], 0);
    EXPECT_EQ(Startup()[3], 0);
}

TEST_F(StartupPageTest, EachScreenOpensItsLinesAndCutsToItsWidth) {
    Open();
    Choose(S::kScreenList, 3);  // "Confirm " shows four lines
    EXPECT_TRUE(State(314).enabled);
    EXPECT_FALSE(State(315).enabled);
    Choose(S::kScreenList, 1);  // "Utilities " 8x20
    EXPECT_TRUE(State(318).enabled);
    EXPECT_EQ(State(318).text, "8. Load Lookup File ");
    Set(311, "Twenty-five characters...");
    EXPECT_EQ(State(311).text, "Twenty-five characte");
    Choose(S::kScreenList, 0);
    Set(311, "Fifteen and then some");
    EXPECT_EQ(State(311).text, "Fifteen and the");
    Choose(S::kScreenList, 1);
    EXPECT_EQ(State(311).text, "Twenty-five characte") << "each screen keeps its edits";
    Choose(S::kScreenList, 25);  // three lines of table 27, then the start-up texts 1, 3, 4, 5
    EXPECT_EQ(State(313).text, "ENTER:Save ESC:Exit ");
    EXPECT_EQ(State(314).text, "8. Calculator       ");
    EXPECT_EQ(State(315).text, "1. Key Click        ");
    EXPECT_EQ(State(317).text, "3. Warning Beep     ");
    EXPECT_FALSE(State(318).enabled);
}

TEST_F(StartupPageTest, TextsReachTheTaskOnlyWhenChangedWhole) {
    // What a file may hold: bytes after a text's zero, a text without one.
    bench.task.model.texts[task::TextOffset(1, 0) + 5] = 'Z';
    bench.task.model.texts[task::TextOffset(3, 0) + 20] = 'Z';
    Open();
    Choose(S::kScreenList, 2);
    sheet->Ok();
    EXPECT_EQ(Slot(1, 0)[5], 'Z') << "untouched texts are not written";
    EXPECT_EQ(Slot(3, 0)[20], 'Z');

    Open();
    Set(311, "Scan");
    sheet->Cancel();
    EXPECT_EQ(Text(2, 0), "1.Collect data ");

    Open();
    Set(311, "Scan");
    sheet->Ok();
    EXPECT_EQ(Slot(2, 0), Padded("Scan", 16));
    EXPECT_EQ(Slot(1, 0), Padded("", 16)) << "a zero tail after every text";
    EXPECT_EQ(Slot(3, 0), Padded("1. Prog. Settings   ", 21)) << "and a zero at its slot's end";
    EXPECT_EQ(ExtraText(1), "Buzzer volume:      ");
}

// The built-in screens switch between the texts of their two widths; an
// entry that has a text of one width only keeps what it holds.
TEST_F(StartupPageTest, TheLargeFontExchangesTheTwoWidthTexts) {
    Open();
    Choose(S::kScreenList, 1);
    Set(311, "My settings");
    Choose(S::kScreenList, 8);  // "Download Port ": five texts have a narrow variant, the sixth not
    Set(316, "Mine");
    Choose(S::kScreenList, 0);
    Set(311, "Collect");
    Click(S::kLargeFontCheck);
    EXPECT_EQ(State(S::kScreenList).items[1], "Utilities (8x15)");
    EXPECT_EQ(State(S::kScreenList).items[8], "Download Port (5x15)");
    EXPECT_EQ(State(S::kScreenList).items[16], "Set Phone Number (2x15)");
    EXPECT_EQ(State(311).text, "Collect") << "a screen of one width keeps its texts";
    Choose(S::kScreenList, 1);
    EXPECT_EQ(State(311).text, "1.Prog.Settings");
    EXPECT_EQ(State(501).text, "1.Prog.Settings");
    Set(312, "Sixteen characters");
    EXPECT_EQ(State(312).text, "Sixteen charact");
    Click(S::kLargeFontCheck);
    EXPECT_EQ(State(311).text, "1. Prog. Settings   ") << "the defaults come back, not the edits";
    Click(S::kLargeFontCheck);
    sheet->Ok();
    EXPECT_EQ(Startup()[task::startup::kLargeFontScreens], 1);
    EXPECT_EQ(Slot(3, 0), Padded("1.Prog.Settings", 21));
    EXPECT_EQ(Text(10, 0), "Download via:  ");
    EXPECT_EQ(Text(10, 5), "Mine");
    EXPECT_EQ(Text(2, 0), "Collect");
    EXPECT_EQ(ExtraText(0), "8. Calculator  ");
    EXPECT_EQ(ExtraText(1), "Buzzer volume: ");
}

TEST_F(StartupPageTest, ResetRestoresTheDefaultsAndOkWritesThem) {
    Startup()[1] = 1;
    Startup()[2] = 0;
    task::TerminalTextsView(bench.task.model.texts).SetText(2, 0, "Custom");
    Open();
    Click(S::kLargeFontCheck);
    Click(S::kResetButton);
    EXPECT_EQ(State(S::kProgramStartList).selection, 0);
    EXPECT_EQ(State(S::kDelimiterCountList).selection, 1);
    EXPECT_EQ(State(301).text, "44");
    EXPECT_EQ(State(303).text, ",");
    EXPECT_EQ(State(311).text, "1.Collect data ");
    sheet->Ok();
    EXPECT_EQ(Startup()[1], 0);
    EXPECT_EQ(Startup()[2], ',');
    EXPECT_EQ(Startup()[3], 0);
    EXPECT_EQ(Text(2, 0), "1.Collect data ");
    EXPECT_EQ(Text(3, 0), "1.Prog.Settings") << "the defaults of the font chosen";
}

TEST_F(StartupPageTest, TheCalculatorsNumberFollowsTheFirstLookupFile) {
    bench.task.model.lookups[0][task::lookup::kRecordLength] = 30;
    bench.task.model.lookups[0][task::lookup::kFieldCount] = 2;
    Open();
    Choose(S::kScreenList, 25);
    EXPECT_EQ(State(314).text, "9. Calculator       ");
    Set(315, "1. Clicks");
    sheet->Ok();
    EXPECT_EQ(ExtraText(0), "9. Calculator       ");
    EXPECT_EQ(ExtraText(2), "1. Clicks");

    bench.task.model.lookups[0][task::lookup::kFieldCount] = 0;
    Open();
    Choose(S::kScreenList, 25);
    Set(314, "Calculator");
    sheet->Ok();
    EXPECT_EQ(ExtraText(0), "Calculator") << "a text without the number keeps it";
}

TEST_F(StartupPageTest, TheLookupPagesCommitRenumbersTheEntryTheStartupPageWritesBack) {
    Open();
    Choose(S::kScreenList, 25);
    Set(315, "1. Clicks");  // the page's texts are written on OK
    sheet->ShowPage(sheet->FindPage("LOOKUPDLG"));
    ASSERT_EQ(sheet->Active().Choose(LookupPage::kFieldCountList, 1), EventError::None);
    ASSERT_EQ(sheet->Active().SetText(LookupPage::kLengthBox, "8"), EventError::None);
    sheet->Ok();
    EXPECT_EQ(ExtraText(0), "9. Calculator       ") << "the first lookup file came with this OK";
    EXPECT_EQ(ExtraText(2), "1. Clicks");
}

class StartupImportTest : public StartupPageTest {
protected:
    // A task file of the current layout with its own texts and the large font.
    task::TaskModel Other() {
        task::TaskModel other = task::testing::FreshTask();
        task::TerminalTextsView(other.texts).SetText(2, 0, "Imported");
        task::TerminalTextsView(other.texts).SetText(3, 7, "Imported too");
        other.startup[task::startup::kLargeFontScreens] = 1;
        task::StartupView(other.startup).SetExtraText(0, "Other calculator");
        return other;
    }
    void Import(const std::string& path) {
        bench.ui.chosenPaths.push_back(path);
        Click(S::kImportButton);
    }

    test_support::TempFolder folder;
};

TEST_F(StartupImportTest, TakesTheTextsAndTheFontOfAnotherTask) {
    const std::string path = folder.File("other.UZX");
    ASSERT_TRUE(task::WriteTaskFile(path, Other()).ok);
    bench.task.currentPath = "/tasks/mine.UZX";
    bench.task.model.weightCode[task::weight::kPrefix] = 'X';
    Open();
    Choose(S::kScreenList, 5);
    Import(path);
    ASSERT_EQ(bench.ui.choosers.size(), 1u);
    EXPECT_EQ(bench.ui.choosers[0].filters.size(), 1u);
    EXPECT_EQ(bench.ui.choosers[0].filters[0].description, "Quarrow Files (*.UZX)");
    EXPECT_EQ(bench.ui.choosers[0].filters[0].pattern, "*.UZX");
    EXPECT_TRUE(bench.ui.MessageTexts().empty());
    EXPECT_EQ(State(S::kScreenList).selection, 0);
    EXPECT_EQ(State(S::kScreenList).items[1], "Utilities (8x15)");
    EXPECT_TRUE(State(S::kLargeFontCheck).checked);
    EXPECT_EQ(State(311).text, "Imported");
    sheet->Ok();
    EXPECT_EQ(Text(2, 0), "Imported");
    EXPECT_EQ(Text(3, 7), "Imported too");
    EXPECT_EQ(ExtraText(0), "Other calculator");
    EXPECT_EQ(Startup()[task::startup::kLargeFontScreens], 1);
    EXPECT_EQ(bench.task.currentPath, "/tasks/mine.UZX");
    EXPECT_EQ(bench.task.model.weightCode[task::weight::kPrefix], 'X');
}

// An earlier revision's file is brought up to date in the scratch task only:
// its start-up texts come from the defaults of its font, and the task's
// weight codes stay as they are.
TEST_F(StartupImportTest, AnEarlierRevisionIsUpgradedApartFromTheTask) {
    task::TaskModel other = Other();
    task::StartupView(other.startup).SetLayoutRevision(1);
    std::vector<std::uint8_t> bytes = task::EncodeTaskFile(other);
    std::copy_n("8300-1.00", 9, bytes.begin());
    const std::string path = folder.File("earlier.UZX");
    task::testing::WriteBytes(path, bytes);
    bench.task.model.weightCode[task::weight::kMaskCode] = 9;
    Open();
    Import(path);
    sheet->Ok();
    EXPECT_TRUE(bench.ui.MessageTexts().empty()) << "the task is not converted, so nothing to say";
    EXPECT_EQ(Text(2, 0), "Imported");
    EXPECT_EQ(ExtraText(0), "8. Calculator  ");
    EXPECT_EQ(bench.task.model.weightCode[task::weight::kMaskCode], 9);
}

TEST_F(StartupImportTest, OtherFilesChangeNothing) {
    std::vector<std::uint8_t> bytes = task::EncodeTaskFile(Other());
    const auto write = [&](const std::string& name, std::vector<std::uint8_t> content) {
        task::testing::WriteBytes(folder.File(name), content);
        return folder.File(name);
    };
    std::vector<std::uint8_t> otherRevision = bytes;
    otherRevision[8] = '5';  // "8300RU005"
    std::vector<std::uint8_t> older(bytes);
    std::copy_n("7xx-4.00", 8, older.begin());
    const struct {
        std::string path;
        std::vector<std::string> messages;
    } cases[] = {
        {write("revision.UZX", otherRevision), {"Format mismatch !!!"}},
        {write("older.UZX", older), {"Format mismatch !!!"}},
        {write("text.UZX", {'h', 'e', 'l', 'l', 'o'}), {"Format mismatch !!!"}},
        {write("short.UZX", {bytes.begin(), bytes.begin() + 5000}),
         {"The file is too short to be a complete task file. The task was not changed."}},
        {write("empty.UZX", {}), {"The file is too short to be a complete task file. The task was not changed."}},
        {folder.File("missing.UZX"), {}},
    };
    for (const auto& c : cases) {
        bench.ui.events.clear();
        Open();
        Set(311, "Mine");
        Import(c.path);
        EXPECT_EQ(bench.ui.MessageTexts(), c.messages) << c.path;
        EXPECT_EQ(State(311).text, "Mine") << c.path;
        EXPECT_FALSE(State(S::kLargeFontCheck).checked) << c.path;
        sheet->Ok();
        EXPECT_EQ(Text(2, 0), "Mine") << c.path;
        EXPECT_EQ(Startup()[task::startup::kLargeFontScreens], 0) << c.path;
    }
}

}  // namespace
}  // namespace editors
