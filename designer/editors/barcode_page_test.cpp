// The Barcode page and its dialogs driven by control id as a user would;
// expected bytes worked out by hand from the layout of BarcodeSettings.
#include "designer/editors/barcode_page.h"

#include <gtest/gtest.h>

#include <sstream>

#include "designer/editors/grid_dialog.h"
#include "designer/editors/test_support.h"

namespace editors {
namespace {

using namespace std::string_literals;

constexpr int kDialogOk = 1;

class BarcodePageTest : public ::testing::Test {
protected:
    void Open() {
        sheet = bench.Open();
        sheet->ShowPage(sheet->FindPage("BARCODESETTINGDLG"));
    }
    DialogModel& Active() { return sheet->Active(); }
    const ControlState& State(int id) { return *Active().State(id); }
    void Click(int id) { ASSERT_EQ(Active().Click(id), EventError::None) << id; }
    void Set(int id, const std::string& text) { ASSERT_EQ(Active().SetText(id, text), EventError::None) << id; }
    task::Byte& Barcode(std::size_t byte) { return bench.task.model.barcode[byte]; }

    testing::SheetBench bench;
    std::unique_ptr<PropertySheet> sheet;
};

TEST_F(BarcodePageTest, ShowsTheTasksSettings) {
    Barcode(0) = 0x40;  // Italian Pharmacode alone
    Barcode(20) = 0x36;  // scan mode 3, the low nibble 6
    Barcode(11) = 0x08;  // redundancy 2
    Barcode(21) = 12;
    Barcode(22) = 0x40;  // EAN128 only
    Open();
    EXPECT_FALSE(State(101).checked);
    EXPECT_TRUE(State(102).checked);
    EXPECT_FALSE(State(124).checked);
    EXPECT_TRUE(State(125).checked);
    EXPECT_EQ(State(401).items.size(), 9u);
    EXPECT_EQ(State(401).items[3], "Alternate");
    EXPECT_EQ(State(401).selection, 3);
    EXPECT_EQ(State(402).items, (std::vector<std::string>{"None", "One time", "Two times", "Three times"}));
    EXPECT_EQ(State(402).selection, 2);
    EXPECT_EQ(State(301).text, "12");
    EXPECT_EQ(State(116).text, "EAN13  &&  UPCA");
    EXPECT_EQ(State(212).text, "more...");
}

TEST_F(BarcodePageTest, TheTimeOutIsOneToTwoHundredFiftyFiveSeconds) {
    Open();
    const std::pair<const char*, const char*> typed[] = {
        {"300", "255"}, {"0", "1"}, {"", "1"}, {"x", "1"}, {"007", "7"}, {"45", "45"}};
    for (const auto& [text, shown] : typed) {
        Set(301, text);
        EXPECT_EQ(State(301).text, shown) << text;
    }
    sheet->Ok();
    EXPECT_EQ(Barcode(21), 45);
}

TEST_F(BarcodePageTest, CommitDerivesTheCode128BitsFromItsTwoBoxes) {
    struct Case {
        bool code128, ean128;
        task::Byte byte1, byte22;
    };
    // Byte 22 starts with its bits 5 and 4 set, byte 1 clear.
    const Case cases[] = {
        {false, false, 0x00, 0x30},  // the second copy keeps its value
        {false, true, 0x80, 0x60},
        {true, false, 0x80, 0xB0},
        {true, true, 0x80, 0xF0},
    };
    for (const Case& c : cases) {
        bench.task = testing::NewTask();
        Barcode(1) = 0x00;
        Barcode(22) = 0x3A;  // both boxes off; bits 3-0 belong to nobody
        Open();
        if (c.code128) Click(124);
        if (c.ean128) Click(125);
        sheet->Ok();
        EXPECT_EQ(Barcode(1), c.byte1) << c.code128 << c.ean128;
        EXPECT_EQ(Barcode(22), c.byte22 | 0x0A) << c.code128 << c.ean128;
    }
}

TEST_F(BarcodePageTest, CommitWritesOnlyThePagesBits) {
    bench.task.model.barcode.fill(0xFF);
    Open();
    for (int id = 101; id <= 128; ++id) Click(id);  // every box off
    Active().Choose(401, 0);
    Active().Choose(402, 0);
    Set(301, "1");
    sheet->Ok();
    // What the dialogs and nobody own stays set; byte 22 bit 4 keeps its value with both Code 128 boxes off.
    const std::array<task::Byte, 23> expected = {0x00, 0x00, 0x0A, 0x3F, 0xFB, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xE3,
                                                 0xBF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x0F, 0x01, 0x3F};
    EXPECT_EQ(bench.task.model.barcode, expected);
}

// A dialog's OK writes into the task at once and marks it modified: the
// sheet's Cancel keeps it, and the page's own commit does not undo it.
TEST_F(BarcodePageTest, DialogsWriteAtOnceAndThePageNeverUndoesThem) {
    Open();
    Click(201);  // Code39Dlg
    EXPECT_EQ(Active().TemplateName(), "Code39Dlg");
    EXPECT_EQ(Active().Title(), "Code 39");
    EXPECT_TRUE(State(103).checked) << "transmit checksum";
    Click(101);
    Click(104);
    EXPECT_EQ(Barcode(5), 0x2D) << "nothing before OK";
    sheet->Ok();
    EXPECT_EQ(Barcode(5), 0xBD);
    EXPECT_TRUE(bench.task.modified);
    sheet->Cancel();
    EXPECT_EQ(Barcode(5), 0xBD);

    bench.task.modified = false;
    Open();
    Click(201);
    Click(102);
    sheet->Cancel();  // the dialog
    EXPECT_EQ(Barcode(5), 0xBD);
    EXPECT_FALSE(bench.task.modified);
    Click(207);  // CodabarDlg
    Click(155);
    sheet->Ok();
    Click(107);  // Codabar off on the page
    sheet->Ok();
    EXPECT_EQ(Barcode(7), 0xB8) << "the dialog's choice stays after the page's commit";
    EXPECT_EQ(Barcode(0), 0x99);
}

// The page's commit leaves the sheet open for the pages after it.
TEST_F(BarcodePageTest, PagesAfterItCommitToo) {
    Open();
    Click(101);
    sheet->ShowPage(sheet->FindPage("STARTUPDLG"));
    ASSERT_EQ(Active().Choose(451, 1), EventError::None);
    sheet->ShowPage(sheet->FindPage("BARCODESETTINGDLG"));
    sheet->Ok();
    EXPECT_EQ(Barcode(0), 0x1B);
    EXPECT_EQ(bench.task.model.startup[task::startup::kStartWithMenu], 1);
    EXPECT_FALSE(sheet->IsOpen());
}

TEST_F(BarcodePageTest, RadioGroupsStoreTheirChoice) {
    Open();
    Click(207);  // CodabarDlg: "None" is checked for a new task
    EXPECT_TRUE(State(151).checked);
    Click(155);  // "ABCD / TN*E"
    EXPECT_FALSE(State(151).checked);
    sheet->Ok();
    EXPECT_EQ(Barcode(7), 0xB8);
    Click(207);
    EXPECT_TRUE(State(155).checked);
    Click(151);  // "None" clears bits 5-3
    sheet->Ok();
    EXPECT_EQ(Barcode(7), 0x80);

    Click(213);  // TelepenDlg: AIM for a new task
    EXPECT_EQ(State(151).text, "Original Telepen  (Numeric)");
    EXPECT_TRUE(State(152).checked);
    Click(151);
    sheet->Ok();
    EXPECT_EQ(Barcode(2), 0x02);

    Click(208);  // MSIDlg
    Click(153);  // modulo 11 and 10
    Click(156);  // the last two digits not transmitted
    sheet->Ok();
    EXPECT_EQ(Barcode(9), 0xA9);
}

TEST_F(BarcodePageTest, Ean128TransmitsTheCodeIdWhileItsBitIsClear) {
    Open();
    Click(217);
    EXPECT_TRUE(State(101).checked);
    Click(101);
    sheet->Ok();
    EXPECT_EQ(Barcode(22), 0xE0);
    Click(217);
    EXPECT_FALSE(State(101).checked);
}

// The replacement character as a character or as its code: 0 or nothing is
// none, a code above 255 is 255, any other text keeps the character.
TEST_F(BarcodePageTest, Ean128ReplacementCharacterAndCodeShowOneByte) {
    bench.task.model.startup[task::startup::kFieldReplacement] = '#';
    Open();
    Click(217);
    EXPECT_EQ(State(301).text, "#");
    EXPECT_EQ(State(302).text, "35");
    Set(302, "65");
    EXPECT_EQ(State(301).text, "A");
    Set(302, "-5");
    EXPECT_EQ(State(302).text, "65");
    EXPECT_EQ(State(301).text, "A");
    Set(302, "0");
    EXPECT_EQ(State(301).text, "");
    Set(302, "");
    EXPECT_EQ(State(302).text, "");
    EXPECT_EQ(State(301).text, "");
    Set(302, "300");
    EXPECT_EQ(State(302).text, "255");
    EXPECT_EQ(State(301).text, "я");
    Set(301, "Zq");
    EXPECT_EQ(State(301).text, "Z");
    EXPECT_EQ(State(302).text, "90");
    EXPECT_EQ(bench.task.model.startup[task::startup::kFieldReplacement], '#') << "nothing before OK";
    sheet->Ok();
    EXPECT_EQ(bench.task.model.startup[task::startup::kFieldReplacement], 'Z');
    Click(217);
    Set(301, "");
    EXPECT_EQ(State(302).text, "0");
    sheet->Ok();
    EXPECT_EQ(bench.task.model.startup[task::startup::kFieldReplacement], 0);
}

class LengthDialogTest : public BarcodePageTest {
protected:
    void OpenDialog(int button) {
        Open();
        Click(button);
    }
};

TEST_F(LengthDialogTest, LabelsFollowTheMode) {
    OpenDialog(204);  // Industrial25Dlg: pattern group 9001, mode group 9002, labels 9003 and 9004
    EXPECT_TRUE(State(155).checked);
    EXPECT_EQ(State(9003).text, "Max Length :");
    EXPECT_EQ(State(9004).text, "Min Length :");
    Click(154);
    EXPECT_EQ(State(9003).text, "Fixed Length 1:");
    EXPECT_EQ(State(9004).text, "Fixed Length 2:");
    sheet->Ok();
    EXPECT_EQ(Barcode(12), 0x1F);
}

TEST_F(LengthDialogTest, FirstLengthsStayWithinTheirBits) {
    OpenDialog(204);  // Industrial 25 keeps 5 bits
    Set(301, "40");
    EXPECT_EQ(State(301).text, "31");
    Set(301, "0");
    EXPECT_EQ(State(301).text, "1");
    Set(301, "x");
    EXPECT_EQ(State(301).text, "31");
    Set(301, "12");
    sheet->Ok();
    EXPECT_EQ(Barcode(12), 0x8C);

    Click(205);  // Interleave 25 keeps 7
    Set(301, "200");
    EXPECT_EQ(State(301).text, "127");
    Set(301, "");
    EXPECT_EQ(State(301).text, "") << "an empty box stands for the largest";
    sheet->Ok();
    EXPECT_EQ(Barcode(14), 0xFF);
}

TEST_F(LengthDialogTest, AMinimumIsAtMostTheMaximumAndAtLeastOne) {
    OpenDialog(206);  // Matrix25Dlg, maximum/minimum
    Set(301, "20");
    Set(302, "50");
    sheet->Ok();
    EXPECT_EQ(Barcode(16), 0x80 | 20);
    EXPECT_EQ(Barcode(17), 20);
    Click(206);
    Set(302, "0");
    sheet->Ok();
    EXPECT_EQ(Barcode(17), 1);
    Click(206);
    Set(302, "abc");
    EXPECT_EQ(State(302).text, "1");
    Set(302, "999");
    EXPECT_EQ(State(302).text, "255");
}

TEST_F(LengthDialogTest, TwoFixedLengthsAreIndependent) {
    OpenDialog(208);  // MSIDlg
    Click(157);       // fixed lengths
    Set(301, "10");
    Set(302, "14");
    sheet->Ok();
    EXPECT_EQ(Barcode(18), 10);
    EXPECT_EQ(Barcode(19), 14);
}

TEST_F(LengthDialogTest, AStoredLengthOfZeroBecomesOneOnOk) {
    Barcode(14) = 0x80;  // Interleave 25, maximum 0
    Barcode(15) = 0;
    OpenDialog(205);
    EXPECT_EQ(State(301).text, "0");
    sheet->Ok();
    EXPECT_EQ(Barcode(14), 0x81);
    EXPECT_EQ(Barcode(15), 1);
}

TEST_F(BarcodePageTest, WeightCodeOpensItsControlsWhileEnabled) {
    Open();
    Click(219);
    EXPECT_EQ(Active().TemplateName(), "WEIGHTCODE");
    for (int id : {102, 301, 401, 402, 403}) EXPECT_FALSE(State(id).enabled) << id;
    EXPECT_EQ(State(301).text, "23");
    EXPECT_EQ(State(401).items, (std::vector<std::string>{"05", "06", "07", "08", "09"}));
    EXPECT_EQ(State(401).selection, 2);
    EXPECT_EQ(State(402).items.back(), "field 8");
    EXPECT_EQ(State(402).selection, 1);
    EXPECT_EQ(State(403).selection, 3);
    Click(101);
    for (int id : {102, 301, 401, 402, 403}) EXPECT_TRUE(State(id).enabled) << id;
    Click(102);
    ASSERT_EQ(Active().Choose(401, 4), EventError::None);
    ASSERT_EQ(Active().Choose(402, 0), EventError::None);
    ASSERT_EQ(Active().Choose(403, 7), EventError::None);
    Set(301, "7");
    ASSERT_EQ(Active().FocusOut(301), EventError::None);
    EXPECT_EQ(State(301).text, " 7");
    sheet->Ok();
    const std::array<task::Byte, 12> expected = {0xDA, 0xAB, 0x03, 0x00, ' ', '7', 9, 0, 1, 0, 8, 0};
    EXPECT_EQ(bench.task.model.weightCode, expected);
    EXPECT_TRUE(bench.task.modified);
}

TEST_F(BarcodePageTest, WeightCodePrefixIsPaddedOnOkToo) {
    Open();
    Click(219);
    Click(101);
    Set(301, "9");
    sheet->Ok();
    EXPECT_EQ(bench.task.model.weightCode[4], ' ');
    EXPECT_EQ(bench.task.model.weightCode[5], '9');
    Click(219);
    Set(301, "");
    sheet->Ok();
    EXPECT_EQ(bench.task.model.weightCode[4], ' ');
    EXPECT_EQ(bench.task.model.weightCode[5], ' ');
    Click(219);
    Set(301, "ABC");
    EXPECT_EQ(State(301).text, "AB");
    sheet->Cancel();
    EXPECT_EQ(bench.task.model.weightCode[4], ' ') << "Cancel writes nothing";
}


class CodeIdDialogTest : public BarcodePageTest {
protected:
    void OpenCodeIds() {
        Open();
        Click(218);
        ASSERT_EQ(Active().TemplateName(), "CODEIDDLG");
    }
    // The bytes of the flag and the fifteen code IDs.
    std::vector<task::Byte> Stored() {
        const auto first = bench.task.model.startup.begin() + task::startup::kCodeIdEnabled;
        return {first, first + 31};
    }
    void Grid(int code) { ASSERT_EQ(Active().Choose(GridDialog::kGrid, code), EventError::None) << code; }
};

TEST_F(CodeIdDialogTest, ShowsTheStoredCodesAndClosesThemWhileDisabled) {
    bench.task.model.startup[85] = 0x1B;  // Code 39: ESC 1
    bench.task.model.startup[86] = '1';
    bench.task.model.startup[89] = 0x1E;  // French Pharmacode: variable2
    bench.task.model.startup[113] = 0xC8;  // Plessey
    OpenCodeIds();
    EXPECT_EQ(Active().Title(), "Code ID");
    EXPECT_FALSE(State(101).checked);
    EXPECT_EQ(State(301).text, " ESC 1");
    EXPECT_EQ(State(302).text, "");
    EXPECT_EQ(State(303).text, " variable2");
    EXPECT_EQ(State(315).text, " 200");
    for (int id = 301; id <= 315; ++id) EXPECT_FALSE(State(id).enabled) << id;
    for (int id = 201; id <= 206; ++id) EXPECT_FALSE(State(id).enabled) << id;
    EXPECT_EQ(Active().Click(301), EventError::Disabled);
    Click(101);
    for (int id = 301; id <= 315; ++id) EXPECT_TRUE(State(id).enabled) << id;
    EXPECT_EQ(State(206).text, "Clear");
    EXPECT_EQ(State(205).text, "Set 5");
}

TEST_F(CodeIdDialogTest, APresetReachesTheTaskOnOkOnly) {
    OpenCodeIds();
    Click(101);
    Click(204);  // Set 4
    EXPECT_EQ(State(301).text, " M");
    EXPECT_EQ(State(311).text, " F F") << "EAN8 gets two codes";
    sheet->Cancel();
    EXPECT_EQ(Stored(), std::vector<task::Byte>(31, 0)) << "Cancel throws the preset away";
    EXPECT_FALSE(bench.task.modified);

    Click(218);
    Click(101);
    Click(204);
    sheet->Ok();
    const std::string codes = "M\0M\0M\0H\0I\0G\0N\0L\0K\0E\0FFF\0A\0P\0Q\0"s;
    std::vector<task::Byte> expected{1};
    expected.insert(expected.end(), codes.begin(), codes.end());
    EXPECT_EQ(Stored(), expected);
    EXPECT_TRUE(bench.task.modified);
    sheet->Cancel();
    EXPECT_EQ(Stored(), expected) << "the sheet's Cancel keeps what the dialog wrote";
}

// The five sets, one code ID a symbology in the order of the boxes.
TEST_F(CodeIdDialogTest, EachPresetFillsTheFifteenSlots) {
    const char* sets[] = {"A A A C D E F I H S P M J V W", "C C C H I G N L K E B A A V W",
                          "Y Y Y H Z G X L K C B A A D E", "M M M H I G N L K E FF F A P Q",
                          "A A A S S S F G C E E E E M P"};
    OpenCodeIds();
    Click(101);
    for (int set = 0; set < 5; ++set) {
        Click(201 + set);
        sheet->Ok();
        std::vector<task::Byte> expected{1};
        std::istringstream codes(sets[set]);
        for (std::string code; codes >> code;) {
            code.resize(2, '\0');
            expected.insert(expected.end(), code.begin(), code.end());
        }
        EXPECT_EQ(Stored(), expected) << "Set " << set + 1;
        Click(218);
    }
}

TEST_F(CodeIdDialogTest, GridChoicesAndClearAreStoredOnOk) {
    for (std::size_t byte = 85; byte < 115; ++byte) bench.task.model.startup[byte] = 'A';
    bench.task.model.startup[84] = 1;
    OpenCodeIds();
    Click(206);  // Clear
    EXPECT_EQ(State(301).text, "");
    Click(302);
    ASSERT_EQ(Active().TemplateName(), "GridDlg");
    Grid('Z');
    Grid(0x0F);  // F1
    sheet->Ok();  // the grid's OK
    EXPECT_EQ(State(302).text, " Z F1");
    Click(303);
    Grid('Q');
    sheet->Cancel();  // the grid's Cancel keeps the box as it was
    EXPECT_EQ(State(303).text, "");
    sheet->Ok();
    std::vector<task::Byte> expected(31, 0);
    expected[0] = 1;
    expected[3] = 'Z';
    expected[4] = 0x0F;
    EXPECT_EQ(Stored(), expected);
}
}  // namespace
}  // namespace editors
