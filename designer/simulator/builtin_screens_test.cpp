// The terminal's own screens: main menu, upload screen, system menu and
// program settings, and Collect data on a task with nothing to run.
#include "designer/simulator/engine_test_support.h"

namespace simulator::testing {
namespace {

TEST_F(EngineTest, MainMenuWrapsAndLeadsToTheUploadScreen) {
    EXPECT_EQ(Screen().mode, Mode::MainMenu);
    EXPECT_EQ(Screen().highlight, 0);
    EXPECT_TRUE(Screen().wideSpacing);
    EXPECT_EQ(Line(1), "1.Collect data ");
    EXPECT_EQ(Line(4), std::string(12, ' '));
    EXPECT_EQ(Line(5), "");
    EXPECT_EQ(Screen().cursorRow, -1);
    Press({17});  // nothing highlighted yet
    EXPECT_EQ(Screen().mode, Mode::MainMenu);

    Press({22});
    EXPECT_EQ(Screen().highlight, 1);
    Press({19});
    EXPECT_EQ(Screen().highlight, 3);
    Press({22});
    EXPECT_EQ(Screen().highlight, 1);
    Press({22, 16});  // ENTER acts as the highlighted item
    EXPECT_EQ(Screen().mode, Mode::Upload);
    EXPECT_EQ(Line(1), "Connecting...  ");
    EXPECT_EQ(Screen().highlight, 0);
    Press({16, 1});  // only ESC leaves the upload screen
    EXPECT_EQ(Screen().mode, Mode::Upload);
    Press({21});
    EXPECT_EQ(Screen().mode, Mode::MainMenu);
    EXPECT_EQ(Screen().highlight, 2);
}

TEST_F(EngineTest, SystemMenuHasSevenLinesUnlessTheFirstLookupFileIsDefined) {
    Press({3});
    EXPECT_EQ(Screen().mode, Mode::SystemMenu);
    EXPECT_FALSE(Screen().wideSpacing);
    EXPECT_EQ(Screen().highlight, 1);
    EXPECT_EQ(Line(7), "7. Memory & Power   ");
    EXPECT_EQ(Line(8), "");
    Press({19});
    EXPECT_EQ(Screen().highlight, 7);
    Press({22});
    EXPECT_EQ(Screen().highlight, 1);
    Press({21});
    EXPECT_EQ(Screen().mode, Mode::MainMenu);
    EXPECT_EQ(Screen().highlight, 3);

    task.model.lookups[0][task::lookup::kRecordLength] = 20;
    task.model.lookups[0][task::lookup::kFieldCount] = 2;
    Press({3, 19});
    EXPECT_EQ(Line(8), "8. Load Lookup File ");
    EXPECT_EQ(Screen().highlight, 8);
    Press({22});
    EXPECT_EQ(Screen().highlight, 1);
}

TEST_F(EngineTest, ProgramSettingsWrapBetweenItemsTwoAndEight) {
    Press({3, 22, 16});  // only item 1 of the system menu does anything
    EXPECT_EQ(Screen().mode, Mode::SystemMenu);
    Press({19, 17});
    EXPECT_EQ(Screen().mode, Mode::ProgramSettings);
    EXPECT_EQ(Line(1), " [PROGRAM SETTINGS] ");
    EXPECT_EQ(Screen().highlight, 2);
    Press({19});
    EXPECT_EQ(Screen().highlight, 8);
    Press({22});
    EXPECT_EQ(Screen().highlight, 2);
    Press({9});  // keys 8 and 9 do nothing here
    EXPECT_EQ(Screen().mode, Mode::ProgramSettings);
    Press({5});
    EXPECT_EQ(Screen().mode, Mode::SystemMenu);
    EXPECT_EQ(Screen().highlight, 1);
    Press({1, 21});
    EXPECT_EQ(Screen().mode, Mode::SystemMenu);
}

TEST_F(EngineTest, RestartsKeepOrResetTheMainMenuItem) {
    Press({22, 22, 3});
    engine.RestartAtMainMenu();
    EXPECT_EQ(Screen().mode, Mode::MainMenu);
    EXPECT_EQ(Screen().highlight, 2);
    Press({22, 51});
    EXPECT_EQ(Screen().highlight, 1);
    Press({0, 24, 50, -3});  // not keys
    EXPECT_EQ(Screen().highlight, 1);

    SetField(Form(1), 0, {task::form::kText, "T:"});
    Press({1, 13, 4});
    engine.RestartAtMainMenu();
    EXPECT_FALSE(Screen().alphabetic);
    EXPECT_EQ(Screen().pendingLetter, 0);
}

TEST_F(EngineTest, CollectDataWithNothingToRunAsksForAProgramAndRequestsNew) {
    int requests = 0;
    engine.SetNewTaskRequest([&] { ++requests; });
    Press({1});
    ASSERT_EQ(ui.events.size(), 1u);
    EXPECT_EQ(ui.events[0].caption, "No executable program");
    EXPECT_EQ(ui.events[0].text, "Please define your program!");
    EXPECT_EQ(ui.events[0].icon, common::MessageIcon::Warning);
    EXPECT_EQ(requests, 1);
    EXPECT_EQ(Screen().mode, Mode::MainMenu);

    // Starting with menu 1 needs a menu with items; form 1 is not tried instead.
    SetField(Form(1), 0, {task::form::kInteger, "Qty:"});
    task.model.startup[task::startup::kStartWithMenu] = 1;
    Press({1});
    EXPECT_EQ(requests, 2);
    task.model.startup[task::startup::kStartWithMenu] = 0;
    Press({1});
    EXPECT_EQ(Screen().mode, Mode::Form);
    EXPECT_EQ(requests, 2);
}

TEST_F(EngineTest, CollectDataRecountsMenusAndForms) {
    using namespace task::form;
    SetSlot(Menu(2).data() + task::menu::kItems, "A");
    SetSlot(Menu(2).data() + task::menu::kItems + 2 * task::kWideSlot, "   ");  // blank: not counted
    SetSlot(Menu(2).data() + task::menu::kItems + 3 * task::kWideSlot, "                x");  // past 15 columns
    Menu(2)[task::menu::kFont] = 1;
    SetField(Form(1), 0, {kPromptOnly, "Hello"});
    SetField(Form(1), 1, {kInteger, "Qty:"});
    SetField(Form(1), 2, {kUnused, "stale"});
    Form(1)[kLookupField + 2] = 5;
    Form(1)[kLookupField + 0] = 5;
    Form(1)[kLookupField + 1] = 5;
    SetField(Form(1), 3, {kCounter, "N:"});
    Collect();
    EXPECT_EQ(Menu(2)[task::menu::kVisibleItems], 1);
    EXPECT_EQ(Form(1)[kLineCount], 2);
    EXPECT_EQ(Form(1)[kPrompt + 2 * kPromptWidth], 0);
    EXPECT_EQ(Form(1)[kLookupField + 0], 0);
    EXPECT_EQ(Form(1)[kLookupField + 1], 5);  // input lines keep their lookup field
    EXPECT_EQ(Form(1)[kLookupField + 2], 0);
}

}  // namespace
}  // namespace simulator::testing
