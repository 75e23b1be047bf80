// The key-code boxes and the grid dialog they open, on a small dialog with a
// prefix-sized box and a code-ID-sized one.
#include "designer/editors/grid_dialog.h"

#include <gtest/gtest.h>

#include "common/cp1251.h"
#include "designer/editors/dialog_stack.h"
#include "designer/editors/test_support.h"
#include "testing/temp_folder.h"

namespace editors {
namespace {

using G = GridDialog;

using CodesDialog = testing::KeyCodesDialog;

class GridDialogTest : public ::testing::Test {
protected:
    void Open() { dialog = std::make_unique<CodesDialog>(context, record); }
    // Clicks a key-code box: its grid is the newest dialog then.
    DialogModel& OpenGrid(int box = CodesDialog::kTen) {
        EXPECT_EQ(dialog->Click(box), EventError::None);
        EXPECT_EQ(stack.Count(), 1u);
        return *stack.Newest();
    }
    std::string Result() { return stack.Newest()->State(G::kResult)->text; }
    std::string BoxText(int box = CodesDialog::kTen) { return dialog->State(box)->text; }
    std::vector<std::string> Messages() {
        std::vector<std::string> shown;
        for (const auto& event : bench.ui.events) shown.push_back(event.caption + "|" + event.text);
        return shown;
    }

    testing::SheetBench bench;
    DialogStack stack;
    EditorContext context{bench.task, bench.strings, bench.ui, bench.defaults, stack};
    CodesDialog::Record record{0x1B, 0x31, 0, 0, 0, 0, 0, 0, 0, 0, 0x41, 0};
    std::unique_ptr<CodesDialog> dialog;
};

TEST_F(GridDialogTest, ABoxShowsTheNamesOfItsStoredCodesAndTakesNoTyping) {
    Open();
    EXPECT_EQ(BoxText(), " ESC 1");
    EXPECT_EQ(BoxText(CodesDialog::kTwo), " A");
    EXPECT_EQ(dialog->SetText(CodesDialog::kTen, "typed"), EventError::WrongKind);
    EXPECT_EQ(BoxText(), " ESC 1");
    EXPECT_FALSE(dialog->State(CodesDialog::kTen)->gridOpen);
}

TEST_F(GridDialogTest, TheGridOpensOnTheBoxsCodesWithTheSpaceCellSelected) {
    Open();
    DialogModel& grid = OpenGrid();
    EXPECT_EQ(grid.TemplateName(), "GridDlg");
    EXPECT_EQ(grid.Title(), "The Grid Control");
    EXPECT_TRUE(dialog->State(CodesDialog::kTen)->gridOpen) << "the box paints itself blue meanwhile";
    EXPECT_EQ(grid.State(G::kGrid)->selection, 0x20);
    EXPECT_EQ(grid.State(G::kGrid)->items.size(), 256u);
    EXPECT_EQ(grid.State(G::kGrid)->items[0x1E], "Var2");
    EXPECT_EQ(Result(), " ESC 1");
    EXPECT_EQ(grid.State(G::kResultLabel)->text, "Resulting text :");
    EXPECT_EQ(grid.State(G::kClearButton)->text, "Clear");
}

TEST_F(GridDialogTest, OkGivesTheBoxTheChosenCodesAndTheOwnerStoresThem) {
    Open();
    DialogModel& grid = OpenGrid();
    EXPECT_EQ(grid.Choose(G::kGrid, 0x0F), EventError::None);
    EXPECT_EQ(grid.State(G::kGrid)->selection, 0x0F);
    EXPECT_EQ(grid.Choose(G::kGrid, 0xE9), EventError::None);
    EXPECT_EQ(Result(), " ESC 1 F1 233");
    stack.Ok();
    EXPECT_EQ(stack.Count(), 0u);
    EXPECT_EQ(BoxText(), " ESC 1 F1 233");
    EXPECT_FALSE(dialog->State(CodesDialog::kTen)->gridOpen);
    EXPECT_EQ(record[2], 0) << "stored only by the owner's OK";
    EXPECT_TRUE(dialog->Ok());
    EXPECT_EQ(record, (CodesDialog::Record{0x1B, 0x31, 0x0F, 0xE9, 0, 0, 0, 0, 0, 0, 0x41, 0}));
}

TEST_F(GridDialogTest, CancelAndClear) {
    Open();
    DialogModel& grid = OpenGrid();
    grid.Click(G::kClearButton);
    EXPECT_EQ(Result(), "");
    grid.Choose(G::kGrid, 0x42);
    EXPECT_EQ(Result(), " B");
    stack.Cancel();
    EXPECT_EQ(BoxText(), " ESC 1") << "Cancel leaves the box as it was";
    EXPECT_FALSE(dialog->State(CodesDialog::kTen)->gridOpen);

    DialogModel& again = OpenGrid();
    EXPECT_EQ(Result(), " ESC 1") << "and its codes";
    again.Click(G::kClearButton);
    stack.Ok();
    EXPECT_EQ(BoxText(), "");
    dialog->Ok();
    EXPECT_EQ(record[0], 0);
    EXPECT_EQ(record[1], 0);
}

TEST_F(GridDialogTest, CellsThatCannotBePickedAndHeadersChangeNothing) {
    Open();
    DialogModel& grid = OpenGrid();
    grid.Choose(G::kGrid, 0x33);
    for (const int code : {0x00, 0x0A, 0x0D}) {
        EXPECT_EQ(grid.Choose(G::kGrid, code), EventError::None);
        EXPECT_EQ(grid.State(G::kGrid)->selection, 0x33) << code << " does not even take the selection";
    }
    EXPECT_EQ(grid.Choose(G::kGrid, 256), EventError::NoSuchItem) << "header cells are no codes";
    EXPECT_EQ(grid.Choose(G::kGrid, -1), EventError::NoSuchItem);
    EXPECT_EQ(Result(), " ESC 1 3");
    EXPECT_TRUE(bench.ui.events.empty());
}

// A refused code moves the selection and warns; the text still shows only
// what is stored, however often the user insists.
TEST_F(GridDialogTest, AFullStringRefusesMoreCodes) {
    Open();
    DialogModel& grid = OpenGrid();
    for (Byte code = 0x41; code < 0x49; ++code) grid.Choose(G::kGrid, code);
    EXPECT_EQ(Result(), " ESC 1 A B C D E F G H");
    EXPECT_TRUE(bench.ui.events.empty());
    grid.Choose(G::kGrid, 0x5A);
    grid.Choose(G::kGrid, 0x1C);
    EXPECT_EQ(grid.State(G::kGrid)->selection, 0x1C);
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Error|Too many characters !!!", "Error|Too many characters !!!"}));
    EXPECT_EQ(bench.ui.events[0].icon, common::MessageIcon::Warning);
    EXPECT_EQ(Result(), " ESC 1 A B C D E F G H");
    stack.Ok();
    dialog->Ok();
    EXPECT_EQ(record[9], 0x48);

    // A code-ID box holds two.
    DialogModel& two = OpenGrid(CodesDialog::kTwo);
    two.Choose(G::kGrid, 0x42);
    EXPECT_EQ(Result(), " A B");
    two.Choose(G::kGrid, 0x43);
    EXPECT_EQ(Result(), " A B");
    EXPECT_EQ(Messages().size(), 3u);
}

TEST_F(GridDialogTest, AVariableStandsAloneAndIsNamedInTheBox) {
    record = {};
    Open();
    DialogModel& grid = OpenGrid();
    grid.Choose(G::kGrid, 0x1E);
    EXPECT_EQ(Result(), " variable2");
    grid.Choose(G::kGrid, 0x41);
    grid.Choose(G::kGrid, 0x1D);
    EXPECT_EQ(Messages().size(), 2u);
    EXPECT_EQ(Result(), " variable2");
    grid.Click(G::kClearButton);
    grid.Choose(G::kGrid, 0x41);
    grid.Choose(G::kGrid, 0x1F);
    EXPECT_EQ(Messages().size(), 3u) << "a variable after a code";
    EXPECT_EQ(Result(), " A");
    grid.Click(G::kClearButton);
    grid.Choose(G::kGrid, 0x1F);
    stack.Ok();
    EXPECT_EQ(BoxText(), " variable3");
    dialog->Ok();
    EXPECT_EQ(record[0], 0x1F);
    EXPECT_EQ(record[1], 0);
}

TEST_F(GridDialogTest, ADisabledBoxOpensNothing) {
    Open();
    dialog->Click(CodesDialog::kOpenCheck);
    EXPECT_EQ(dialog->Click(CodesDialog::kTen), EventError::Disabled);
    EXPECT_EQ(stack.Count(), 0u);
}

// A language may name the variables at full length: the box shows the whole
// name however long, where a fixed buffer once cut it.
TEST_F(GridDialogTest, LongVariableNamesAreShownWhole) {
    test_support::TempFolder folder;
    const std::string longName(80, 'W');
    folder.Write("Long.lng", "Long\r\n1346=" + longName + "\r\n");
    ASSERT_EQ(bench.strings.FindLanguages(folder.Path()), 1);
    ASSERT_TRUE(bench.strings.LoadLanguage("Long"));
    record = {0x1E};
    Open();
    EXPECT_EQ(BoxText(), " " + longName);
    DialogModel& grid = OpenGrid();
    EXPECT_EQ(Result(), " " + longName);
    EXPECT_EQ(grid.State(G::kGrid)->items[0x1E], "Var2") << "the grid's own cell keeps its short name";
}

TEST_F(GridDialogTest, RussianVariableNames) {
    ASSERT_GE(bench.strings.FindLanguages(MOSTREL_BIN_DIR), 1);
    ASSERT_TRUE(bench.strings.LoadLanguage(common::Utf8ToCp1251("Русский")));
    record = {0x1D};
    Open();
    EXPECT_EQ(BoxText(), " переменная1");
}

}  // namespace
}  // namespace editors
