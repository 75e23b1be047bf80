// The Menu page's rules, driven by control id as a user would.
#include "designer/editors/menu_page.h"

#include <gtest/gtest.h>

#include "designer/editors/script_runner.h"
#include "designer/editors/test_support.h"
#include "designer/task/menu_view.h"

namespace editors {
namespace {

using namespace task::menu;
using M = MenuPage;

class MenuPageTest : public ::testing::Test {
protected:
    void Open() {
        sheet = bench.Open();
        sheet->ShowPage(sheet->FindPage("MENUDLG"));
    }
    DialogModel& Page() { return sheet->Active(); }
    const ControlState& State(int id) { return *Page().State(id); }
    task::MenuRecord& Live(int menu) { return bench.task.model.menus[static_cast<std::size_t>(menu)]; }
    task::Byte& LiveSeparateFiles() { return bench.task.model.startup[task::startup::kClockLineMode]; }

    testing::SheetBench bench;
    std::unique_ptr<PropertySheet> sheet;
};

TEST_F(MenuPageTest, ShowsEachMenuOfTheTaskWithItsLists) {
    task::MenuView second(Live(1));
    second.SetFont(1);
    second.SetShowCaption(1);
    second.SetCaption("Stock");
    second.SetItem(9, "Count shelves");
    second.SetItemTarget(9, 14);
    second.SetEscTarget(3);
    Open();
    EXPECT_EQ(State(M::kNameList).items.size(), 10u);
    EXPECT_EQ(State(M::kNameList).items[9], "menu  10");
    EXPECT_EQ(State(M::kFontList).items, (std::vector<std::string>{"small", "large"}));
    EXPECT_EQ(State(M::kNextList + 9).items.size(), 21u);
    EXPECT_EQ(State(9011 + 9).text, "#10");
    EXPECT_EQ(State(M::kNameList).selection, 0);
    EXPECT_FALSE(State(M::kCaptionBox).enabled);

    ASSERT_EQ(Page().Choose(M::kNameList, 1), EventError::None);
    EXPECT_EQ(State(M::kFontList).selection, 1);
    EXPECT_TRUE(State(M::kCaptionCheck).checked);
    EXPECT_TRUE(State(M::kCaptionBox).enabled);
    EXPECT_EQ(State(M::kCaptionBox).text, "Stock");
    EXPECT_EQ(State(M::kItemBox + 9).text, "Count shelves");
    EXPECT_EQ(ShownText(*Page().ControlSpecOf(M::kNextList + 9), State(M::kNextList + 9)), "menu  4");
    EXPECT_EQ(ShownText(*Page().ControlSpecOf(M::kEscList), State(M::kEscList)), "form  3");
    Page().Click(M::kCaptionCheck);
    EXPECT_FALSE(State(M::kCaptionBox).enabled);
}

TEST_F(MenuPageTest, TheFontLimitsWhatIsTypedFromNowOn) {
    task::MenuView(Live(0)).SetItem(0, "Twenty characters!!!");
    Open();
    Page().Choose(M::kFontList, 1);
    EXPECT_EQ(State(M::kItemBox).text, "Twenty characters!!!") << "a text stored earlier stays whole";
    Page().SetText(M::kItemBox + 1, "Sixteen letters!");
    EXPECT_EQ(State(M::kItemBox + 1).text, "Sixteen letters");
    Page().Click(M::kCaptionCheck);
    Page().SetText(M::kCaptionBox, "Inventory of the shop");
    EXPECT_EQ(State(M::kCaptionBox).text, "Inventory of th");
    sheet->Ok();
    const task::ConstMenuView menu(Live(0));
    EXPECT_EQ(menu.Item(0), "Twenty characters!!!");
    EXPECT_EQ(menu.Item(1), "Sixteen letters");
    EXPECT_EQ(menu.Caption(), "Inventory of th");
    EXPECT_EQ(menu.Font(), 1);
    EXPECT_EQ(menu.ShowCaption(), 1);
}

// Pass down follows the two save switches and the task's separate data files.
TEST_F(MenuPageTest, PassDownFollowsWhatTheMenuSaves) {
    struct Case {
        bool saveCaption, saveSelected, separateFiles, passDownBefore;
        bool enabled, passDown;
    };
    const Case cases[] = {
        {false, false, false, true, false, false},  {true, false, false, false, true, false},
        {false, true, false, true, true, true},     {true, false, true, false, false, true},
        {false, true, true, false, false, true},    {false, false, true, true, false, false},
    };
    for (const Case& c : cases) {
        const task::MenuView menu(Live(0));
        menu.SetSaveCaption(c.saveCaption);
        menu.SetSaveSelectedItem(c.saveSelected);
        menu.SetPassDown(c.passDownBefore);
        LiveSeparateFiles() = c.separateFiles;
        Open();
        EXPECT_EQ(State(M::kPassDownCheck).enabled, c.enabled) << c.saveCaption << c.saveSelected << c.separateFiles;
        EXPECT_EQ(State(M::kPassDownCheck).checked, c.passDown) << c.saveCaption << c.saveSelected << c.separateFiles;
        sheet->Ok();
        EXPECT_EQ(menu.PassDown(), c.passDown);
    }
}

TEST_F(MenuPageTest, SwitchingTheSavesOrTheSeparateFilesAppliesTheRuleAtOnce) {
    Open();
    EXPECT_EQ(Page().Click(M::kPassDownCheck), EventError::Disabled);
    Page().Click(M::kSaveCaptionCheck);
    ASSERT_EQ(Page().Click(M::kPassDownCheck), EventError::None);
    EXPECT_TRUE(State(M::kPassDownCheck).checked);
    Page().Click(M::kSaveCaptionCheck);
    EXPECT_FALSE(State(M::kPassDownCheck).checked) << "nothing saved, nothing passed down";
    Page().Click(M::kSaveSelectedCheck);
    Page().Click(M::kSeparateFilesCheck);
    EXPECT_TRUE(State(M::kPassDownCheck).checked);
    EXPECT_FALSE(State(M::kPassDownCheck).enabled);
    // Another menu saves nothing: it passes nothing down.
    Page().Choose(M::kNameList, 4);
    EXPECT_FALSE(State(M::kPassDownCheck).checked);
    EXPECT_TRUE(State(M::kSeparateFilesCheck).checked) << "the switch is the task's, not the menu's";
    sheet->Ok();
    EXPECT_EQ(Live(0)[kPassDown], 1);
    EXPECT_EQ(LiveSeparateFiles(), 1);
}

TEST_F(MenuPageTest, ResetClearsEveryMenuInTheWorkingCopyOnly) {
    for (int m = 0; m < 10; ++m) {
        const task::MenuView menu(Live(m));
        menu.SetFont(1);
        menu.SetShowCaption(1);
        menu.SetCaption("Caption");
        for (int j = 0; j < 10; ++j) {
            menu.SetItem(j, "Item");
            menu.SetItemTarget(j, 5);
        }
        menu.SetEscTarget(12);
        for (std::size_t offset = kSaveCaption; offset < 350; ++offset) Live(m)[offset] = 7;
    }
    LiveSeparateFiles() = 1;
    const task::TaskModel before = bench.task.model;
    Open();
    Page().Choose(M::kNameList, 6);
    Page().Click(M::kResetButton);
    EXPECT_EQ(State(M::kNameList).selection, 0);
    EXPECT_EQ(State(M::kItemBox).text, "");
    EXPECT_FALSE(State(M::kSeparateFilesCheck).checked);
    sheet->Cancel();
    EXPECT_EQ(bench.task.model, before);

    Open();
    Page().Click(M::kResetButton);
    sheet->Ok();
    for (int m = 0; m < 10; ++m) {
        for (std::size_t offset = 0; offset < 250; ++offset) ASSERT_EQ(Live(m)[offset], 0) << m << ' ' << offset;
        for (std::size_t offset = 250; offset < 350; ++offset) ASSERT_EQ(Live(m)[offset], 7) << m << ' ' << offset;
    }
    EXPECT_EQ(LiveSeparateFiles(), 0);
}

TEST_F(MenuPageTest, TheCommitWritesTheMenusAndOneByteOfTheStartupSettings) {
    Open();
    Page().SetText(M::kItemBox + 2, "Receipt");
    Page().Choose(M::kNextList + 2, 3);
    Page().Click(M::kSeparateFilesCheck);
    // The Settings page's working copy was loaded before the switch changed.
    sheet->ShowPage(sheet->FindPage("SETTINGSDLG"));
    task::TaskModel expected = bench.task.model;
    task::MenuView(expected.menus[0]).SetItem(2, "Receipt");
    task::MenuView(expected.menus[0]).SetItemTarget(2, 3);
    expected.startup[task::startup::kClockLineMode] = 1;
    sheet->Ok();
    expected.forms = bench.task.model.forms;  // the Form page's commit has its own tests
    EXPECT_EQ(bench.task.model, expected);
}

}  // namespace
}  // namespace editors
