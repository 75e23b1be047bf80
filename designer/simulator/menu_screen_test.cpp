// The user's menus: caption and item lines, moving through the items,
// choosing one, and where their targets lead.
#include "designer/simulator/engine_test_support.h"

namespace simulator::testing {
namespace {

using namespace task::menu;

class MenuTest : public EngineTest {
protected:
    void SetItem(int menu, int item, const std::string& text, task::Byte target) {
        SetSlot(Menu(menu).data() + kItems + static_cast<std::size_t>(item - 1) * task::kWideSlot, text);
        Menu(menu)[kItemTargets + static_cast<std::size_t>(item - 1)] = target;
    }
    void StartWithMenu() { task.model.startup[task::startup::kStartWithMenu] = 1; }
};

TEST_F(MenuTest, ACaptionTakesTheFirstLineAndLeavesSevenItems) {
    StartWithMenu();
    Menu(1)[kShowCaption] = 1;
    SetSlot(Menu(1).data() + kCaption, "MAIN");
    for (int item = 1; item <= 9; ++item) SetItem(1, item, "Item " + std::to_string(item), 0);
    Collect();
    EXPECT_EQ(Screen().mode, Mode::UserMenu);
    EXPECT_EQ(Line(1), "MAIN");
    EXPECT_EQ(Line(2), "Item 1");
    EXPECT_EQ(Line(8), "Item 7");
    EXPECT_EQ(Screen().highlight, 2);
    Press({19});
    EXPECT_EQ(Screen().highlight, 2);
    for (int i = 0; i < 10; ++i) Press({22});
    EXPECT_EQ(Screen().highlight, 8);  // the highlight stays on the items the screen shows
    EXPECT_EQ(Menu(1)[kCurrentItem], 6);

    Menu(1)[kShowCaption] = 0;
    Collect();
    EXPECT_EQ(Line(1), "Item 1");
    EXPECT_EQ(Line(8), "Item 8");
    EXPECT_EQ(Screen().highlight, 1);
    for (int i = 0; i < 10; ++i) Press({22});
    EXPECT_EQ(Screen().highlight, 8);
}

TEST_F(MenuTest, ItemsLeadToFormsMenusAndTheMainMenu) {
    StartWithMenu();
    SetItem(1, 1, "Count", 2);
    SetItem(1, 2, "More", 13);
    SetItem(1, 3, "Quit", 0);
    SetField(Form(2), 0, {task::form::kInteger, "Qty:"});
    Form(2)[task::form::kEscTarget] = 11;
    SetItem(3, 1, "Back", 11);
    Menu(3)[kFont] = 1;
    Menu(3)[kEscTarget] = 11;
    Collect();
    Press({22, 22, 19});
    EXPECT_EQ(Screen().highlight, 2);
    Press({16});
    EXPECT_EQ(Line(1), "Back");
    EXPECT_EQ(Screen().columns, 15);
    Press({21});  // an escape target shows menu 1 where it was left
    EXPECT_EQ(Screen().highlight, 2);
    Press({1});
    EXPECT_EQ(Screen().mode, Mode::Form);
    Press({21});
    EXPECT_EQ(Screen().mode, Mode::UserMenu);
    EXPECT_EQ(Screen().highlight, 1);
    Press({2, 1});  // menu 3's item leads back to menu 1 through a target: from its first item
    EXPECT_EQ(Screen().highlight, 1);
    Press({3});
    EXPECT_EQ(Screen().mode, Mode::MainMenu);
    EXPECT_EQ(Screen().highlight, 1);
}

TEST_F(MenuTest, KeysBeyondTheItemsAndMenusWithoutItemsDoNothing) {
    StartWithMenu();
    SetItem(1, 1, "Only", 12);
    Menu(1)[kEscTarget] = 99;  // out of range: the main menu
    Collect();
    Press({2, 9, 11});
    EXPECT_EQ(Screen().mode, Mode::UserMenu);
    EXPECT_EQ(Screen().highlight, 1);
    Press({1});  // menu 2 has no items
    EXPECT_EQ(Screen().mode, Mode::UserMenu);
    EXPECT_EQ(Line(1), "");
    EXPECT_EQ(Screen().highlight, 1);
    Press({16, 17, 22, 19});
    EXPECT_EQ(Screen().mode, Mode::UserMenu);
    Press({21});  // menu 2's escape target is the main menu
    EXPECT_EQ(Screen().mode, Mode::MainMenu);

    Press({1, 21});
    EXPECT_EQ(Screen().mode, Mode::MainMenu);
    EXPECT_EQ(Screen().highlight, 1);
}

TEST_F(MenuTest, ATenthItemIsChosenWithKeyZero) {
    StartWithMenu();
    for (int item = 1; item <= 10; ++item) SetItem(1, item, "I" + std::to_string(item), 0);
    SetItem(1, 10, "Tenth", 12);
    SetItem(2, 1, "Second menu", 0);
    Collect();
    Press({11});
    EXPECT_EQ(Line(1), "Second menu");
    Press({21});
    EXPECT_EQ(Screen().mode, Mode::MainMenu);
}

}  // namespace
}  // namespace simulator::testing
