// The Settings page's dialogs: security, function keys and keyboard wedge.
#include <gtest/gtest.h>

#include "designer/editors/function_key_dialog.h"
#include "designer/editors/security_dialog.h"
#include "designer/editors/settings_page.h"
#include "designer/editors/test_support.h"
#include "designer/editors/wedge_dialog.h"
#include "designer/task/startup_view.h"

namespace editors {
namespace {

using namespace task::startup;
using S = SettingsPage;
using task::Byte;

class SettingsDialogTest : public ::testing::Test {
protected:
    void OpenPage() {
        sheet = bench.Open();
        sheet->ShowPage(sheet->FindPage("SETTINGSDLG"));
    }
    DialogModel& OpenDialog(int button) {
        OpenPage();
        EXPECT_EQ(sheet->Active().Click(button), EventError::None);
        EXPECT_EQ(sheet->DialogCount(), 1u);
        return sheet->Active();
    }
    DialogModel& Active() { return sheet->Active(); }
    const ControlState& State(int id) { return *Active().State(id); }
    task::StartupSettings& LiveStartup() { return bench.task.model.startup; }
    task::TerminalSettings& LiveWedge() { return bench.task.model.terminal; }
    std::vector<std::string> Messages() { return bench.ui.MessageTexts(); }

    testing::SheetBench bench;
    std::unique_ptr<PropertySheet> sheet;
};

TEST_F(SettingsDialogTest, ThePasswordKeepsTenLettersAndDigitsAndSaysWhy) {
    DialogModel& dialog = OpenDialog(S::kSecurityButton);
    EXPECT_EQ(dialog.TemplateName(), "SECURITYDLG");
    EXPECT_EQ(dialog.Title(), "Security Settings");
    dialog.SetText(SecurityDialog::kPasswordBox, "12-34");
    EXPECT_EQ(State(SecurityDialog::kPasswordBox).text, "1234");
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Invalid character!!!"}));
    dialog.SetText(SecurityDialog::kPasswordBox, "1234567890A");
    EXPECT_EQ(State(SecurityDialog::kPasswordBox).text, "1234567890");
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Invalid character!!!", "Password is too long!!!"}));
    EXPECT_EQ(bench.ui.events.back().caption, "Warning");
    EXPECT_EQ(bench.ui.events.back().icon, common::MessageIcon::Warning);
    sheet->Ok();
    sheet->Ok();
    EXPECT_EQ(task::SlotText(task::ConstStartupView(LiveStartup()).PasswordSlot()), "1234567890");
    EXPECT_EQ(LiveStartup()[kPassword + 10], 0);
}

TEST_F(SettingsDialogTest, ProtectingTheSettingsMenuClosesTheBoxesOfItsSettings) {
    DialogModel& dialog = OpenDialog(S::kSecurityButton);
    EXPECT_EQ(State(101).text, "Settings");
    EXPECT_EQ(State(112).text, "Entry Options");
    EXPECT_EQ(State(115).text, "Warning Beep");
    dialog.Click(103);  // "Delete Data"
    dialog.Click(114);  // "Barcode Good Read"
    dialog.Click(SecurityDialog::kSettingsCheck);
    for (int check = 102; check <= 115; ++check) EXPECT_EQ(State(check).enabled, check < 107) << check;
    EXPECT_EQ(dialog.Click(110), EventError::Disabled);
    sheet->Ok();
    sheet->Ok();
    std::array<Byte, 12> functions{};
    functions[0] = 1;
    functions[2] = 1;
    EXPECT_TRUE(std::equal(functions.begin(), functions.end(), LiveStartup().begin() + kProtectedFunctions));
    EXPECT_EQ(LiveStartup()[kProtectedSounds], 0);
    EXPECT_EQ(LiveStartup()[kProtectedSounds + 1], 1);
}

TEST_F(SettingsDialogTest, CancelOfADialogGivesThePageItsBytesBack) {
    DialogModel& security = OpenDialog(S::kSecurityButton);
    security.SetText(SecurityDialog::kPasswordBox, "secret");
    security.Click(105);
    sheet->Cancel();
    ASSERT_EQ(sheet->DialogCount(), 0u);
    sheet->Active().Click(S::kFunctionKeyButton);
    sheet->Active().Click(FunctionKeyDialog::kEnableCheck);
    sheet->Active().Choose(FunctionKeyDialog::kFirstKeyList, 19);
    sheet->Cancel();
    const task::TaskModel before = bench.task.model;
    sheet->Ok();
    EXPECT_EQ(bench.task.model.startup, before.startup);
}

TEST_F(SettingsDialogTest, FunctionKeysAreChosenWhileTheMappingIsOn) {
    DialogModel& dialog = OpenDialog(S::kFunctionKeyButton);
    EXPECT_EQ(dialog.TemplateName(), "FUNCTIONKEYDLG");
    EXPECT_EQ(dialog.Title(), "Function Key Mapping");
    EXPECT_EQ(State(9007).text, "Function 7 (FN+7)  :");
    const std::vector<std::string>& functions = State(FunctionKeyDialog::kFirstKeyList + 6).items;
    ASSERT_EQ(functions.size(), 20u);
    EXPECT_EQ(functions[0], "Nil");
    EXPECT_EQ(functions[19], "Calculator");
    for (int key = 0; key < 7; ++key) EXPECT_FALSE(State(FunctionKeyDialog::kFirstKeyList + key).enabled);
    dialog.Click(FunctionKeyDialog::kEnableCheck);
    for (int key = 0; key < 7; ++key) EXPECT_TRUE(State(FunctionKeyDialog::kFirstKeyList + key).enabled);
    dialog.Choose(FunctionKeyDialog::kFirstKeyList, 19);
    dialog.Choose(FunctionKeyDialog::kFirstKeyList + 6, 8);
    sheet->Ok();
    sheet->Ok();
    EXPECT_EQ(LiveStartup()[kFunctionKeyMapping], 1);
    const std::array<Byte, 7> keys = {19, 0, 0, 0, 0, 0, 8};
    EXPECT_TRUE(std::equal(keys.begin(), keys.end(), LiveStartup().begin() + kFunctionKeys));
}

TEST_F(SettingsDialogTest, TheWedgeRadiosSetTheirBitsOfTheFlags) {
    LiveWedge()[task::terminal::kWedgeFlags] = 0b0110'0111;  // two capital-lock bits, shift-lock 3: no radio
    DialogModel& dialog = OpenDialog(S::kWedgeButton);
    EXPECT_EQ(dialog.TemplateName(), "KeyboardWedgeDlg");
    EXPECT_EQ(dialog.Title(), "Keyboard Wedge Settings");
    EXPECT_TRUE(State(WedgeDialog::kNumericKeypadCheck).checked);
    EXPECT_TRUE(State(151).checked) << "digits layout 0";
    for (int radio = 154; radio <= 159; ++radio) EXPECT_FALSE(State(radio).checked) << radio;
    dialog.Click(153);  // upper position: bits 3-4 = 2
    EXPECT_FALSE(State(151).checked);
    dialog.Click(WedgeDialog::kNumericKeypadCheck);
    sheet->Ok();
    EXPECT_EQ(LiveWedge()[task::terminal::kWedgeFlags], 0b0111'0110) << "the values no radio stands for stay";

    sheet->Active().Click(S::kWedgeButton);
    sheet->Active().Click(155);  // capital-lock keyboard: bits 1-2 = 1
    sheet->Active().Click(159);  // auto-detection: bit 7 alone
    sheet->Ok();
    EXPECT_EQ(LiveWedge()[task::terminal::kWedgeFlags], 0b1001'0010);
    sheet->Active().Click(S::kWedgeButton);
    sheet->Active().Click(157);  // ignore case: bit 5
    sheet->Active().Click(156);  // shift-lock keyboard: bits 1-2 = 2
    sheet->Ok();
    EXPECT_EQ(LiveWedge()[task::terminal::kWedgeFlags], 0b0011'0100);
}

TEST_F(SettingsDialogTest, TheWedgeOkWritesTheTaskAtOnceAndMarksItModified) {
    for (std::size_t offset = 5; offset < task::kTerminalSettingsSize; ++offset) LiveWedge()[offset] = 0xC3;
    DialogModel& dialog = OpenDialog(S::kWedgeButton);
    EXPECT_EQ(State(WedgeDialog::kTypeList).items.size(), 32u);
    EXPECT_EQ(State(WedgeDialog::kTypeList).items[31], "PCAT (Swiss)");
    dialog.Choose(WedgeDialog::kTypeList, 30);
    dialog.SetText(WedgeDialog::kDelayBox, "-5");
    EXPECT_EQ(State(WedgeDialog::kDelayBox).text, "0");
    dialog.SetText(WedgeDialog::kDelayBox, "007");
    EXPECT_EQ(State(WedgeDialog::kDelayBox).text, "7");
    dialog.SetText(WedgeDialog::kTimeoutBox, "256");
    EXPECT_EQ(State(WedgeDialog::kTimeoutBox).text, "255");
    dialog.Click(WedgeDialog::kAddReturnCheck);
    ASSERT_FALSE(bench.task.modified);
    sheet->Ok();
    sheet->Cancel();  // the sheet's Cancel does not take it back
    ASSERT_FALSE(sheet->IsOpen());
    EXPECT_TRUE(bench.task.modified);
    task::TerminalSettings expected{};
    expected.fill(0xC3);
    expected[0] = 30;
    expected[1] = 0;
    expected[2] = 7;
    expected[3] = 255;
    expected[4] = 0;
    EXPECT_EQ(LiveWedge(), expected);
}

TEST_F(SettingsDialogTest, TheWedgeCancelChangesNothing) {
    const task::TerminalSettings before = LiveWedge();
    DialogModel& dialog = OpenDialog(S::kWedgeButton);
    dialog.Choose(WedgeDialog::kTypeList, 5);
    dialog.Click(152);
    sheet->Cancel();
    EXPECT_EQ(LiveWedge(), before);
    EXPECT_FALSE(bench.task.modified);
    sheet->Active().Click(S::kWedgeButton);
    EXPECT_EQ(State(WedgeDialog::kTypeList).selection, 0) << "the working copy got its bytes back";
    EXPECT_TRUE(State(151).checked);
}

// Reset works on the page's copy of the wedge settings: only the wedge
// dialog's OK brings them into the task.
TEST_F(SettingsDialogTest, ResetReachesTheWedgeSettingsOnlyThroughTheWedgeDialog) {
    task::TerminalSettings& live = LiveWedge();
    live[0] = 9;
    live[1] = 0x21;
    live[2] = 50;
    live[3] = 60;
    live[4] = 0;
    const task::TerminalSettings before = live;
    OpenPage();
    sheet->Active().Click(S::kResetButton);
    sheet->Ok();
    EXPECT_EQ(live, before);

    OpenPage();
    sheet->Active().Click(S::kResetButton);
    sheet->Active().Click(S::kWedgeButton);
    EXPECT_EQ(State(WedgeDialog::kDelayBox).text, "0");
    sheet->Ok();
    sheet->Cancel();
    EXPECT_EQ(live[0], 0);
    EXPECT_EQ(live[1], 0);
    EXPECT_EQ(live[2], 0);
    EXPECT_EQ(live[3], 0);
    EXPECT_EQ(live[4], 1);
}

}  // namespace
}  // namespace editors
