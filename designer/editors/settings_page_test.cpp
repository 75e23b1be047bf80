// The Settings page's rules, driven by control id as a user would.
#include "designer/editors/settings_page.h"

#include <gtest/gtest.h>

#include "designer/editors/test_support.h"
#include "designer/task/startup_view.h"

namespace editors {
namespace {

using namespace task::startup;
using S = SettingsPage;
using task::Byte;

class SettingsPageTest : public ::testing::Test {
protected:
    void Open() {
        sheet = bench.Open();
        sheet->ShowPage(sheet->FindPage("SETTINGSDLG"));
    }
    DialogModel& Page() { return sheet->Active(); }
    const ControlState& State(int id) { return *Page().State(id); }
    Byte& Live(std::size_t offset) { return bench.task.model.startup[offset]; }

    testing::SheetBench bench;
    std::unique_ptr<PropertySheet> sheet;
};

TEST_F(SettingsPageTest, ListsNameEveryChoice) {
    Open();
    EXPECT_EQ(State(S::kUploadPortList).items,
              (std::vector<std::string>{"Direct-RS232", "Cradle-IR", "IrDA", "Keyboard Wedge", "Modem"}));
    EXPECT_EQ(State(S::kDownloadPortList).items,
              (std::vector<std::string>{"Direct-RS232", "Cradle-IR", "IrDA", "Modem"}));
    EXPECT_EQ(State(S::kBaudRateList).items[4], "9600 bps");
    EXPECT_EQ(State(S::kModemSpeedList).items[0], "115200 bps");
    EXPECT_EQ(State(S::kBacklightList).items, (std::vector<std::string>{"Turn off", "Turn on"}));
    EXPECT_EQ(State(S::kDataDeletionList).items, (std::vector<std::string>{"Manual", "Automatic"}));
    EXPECT_EQ(State(S::kEntryOptionList).items,
              (std::vector<std::string>{"No prompt", "Show count", "Show record"}));
    EXPECT_EQ(State(S::kKeyClickList).items,
              (std::vector<std::string>{"Mute", "Tone 1", "Tone 2", "Tone 3", "Tone 4", "Tone 5"}));
    EXPECT_EQ(State(S::kWarningBeepList).items,
              (std::vector<std::string>{"Mute", "One beep", "Two beeps", "Three beeps"}));
    EXPECT_EQ(State(S::kVibratorList).items,
              (std::vector<std::string>{"Off", "1 Sec.", "2 Sec.", "3 Sec.", "4 Sec.", "5 Sec."}));
    // A new task's settings.
    EXPECT_EQ(State(S::kUploadPortList).selection, 1);
    EXPECT_EQ(State(S::kIdleTimeBox).text, "2");
    EXPECT_EQ(State(S::kDurationBox).text, "6");
    EXPECT_EQ(State(S::kKeyClickList).selection, 2);
}

TEST_F(SettingsPageTest, TheModemOpensThePhoneNumbersAndItsSpeed) {
    struct Case {
        int upload, download;
        bool uploadPhone, downloadPhone, modemSpeed, baudRate;
    };
    const Case cases[] = {
        {0, 0, false, false, false, true},
        {4, 1, true, false, true, true},
        {3, 3, false, true, true, true},  // the wedge upload is no modem; the fourth download port is
        {4, 3, true, true, true, false},
    };
    Open();
    for (const Case& c : cases) {
        Page().Choose(S::kUploadPortList, c.upload);
        Page().Choose(S::kDownloadPortList, c.download);
        EXPECT_EQ(State(S::kUploadPhoneBox).enabled, c.uploadPhone) << c.upload << ' ' << c.download;
        EXPECT_EQ(State(S::kDownloadPhoneBox).enabled, c.downloadPhone) << c.upload << ' ' << c.download;
        EXPECT_EQ(State(S::kModemSpeedList).enabled, c.modemSpeed) << c.upload << ' ' << c.download;
        EXPECT_EQ(State(S::kBaudRateList).enabled, c.baudRate) << c.upload << ' ' << c.download;
    }
    Page().SetText(S::kUploadPhoneBox, "+7 495 123-45-67 ext 89");
    EXPECT_EQ(State(S::kUploadPhoneBox).text, "+7 495 123-45-67 ext");
    Page().SetText(S::kDownloadPhoneBox, "8 800 2000 600");
    Page().Choose(S::kModemSpeedList, 4);
    sheet->Ok();
    const task::ConstStartupView live(bench.task.model.startup);
    EXPECT_EQ(task::SlotText(live.UploadPhoneSlot()), "+7 495 123-45-67 ext");
    EXPECT_EQ(task::SlotText(live.DownloadPhoneSlot()), "8 800 2000 600");
    EXPECT_EQ(live.UploadPort(), 4);
    EXPECT_EQ(live.DownloadPort(), 3);
    EXPECT_EQ(live.ModemSpeed(), 4);
}

TEST_F(SettingsPageTest, TheIdleTimeBoxStoresOneDigitAndNeverZero) {
    Open();
    struct Typed {
        const char* text;
        const char* shown;
    };
    // Each change follows the one before, as the user types.
    const Typed typed[] = {{"25", "5"}, {"05", "5"}, {"0", "1"}, {"", "1"}, {"x", "1"}, {"17", "7"}, {"70", "1"}};
    for (const Typed& t : typed) {
        Page().SetText(S::kIdleTimeBox, t.text);
        EXPECT_EQ(State(S::kIdleTimeBox).text, t.shown) << t.text;
    }
    Page().SetText(S::kIdleTimeBox, "9");
    sheet->Ok();
    EXPECT_EQ(Live(kBacklightIdle), 9);
}

TEST_F(SettingsPageTest, TheEntryPromptStaysForADurationOrUntilAKey) {
    Live(kEntryDuration) = 0;
    Open();
    EXPECT_TRUE(State(S::kPressAnyKeyRadio).checked) << "a duration of 0 waits for a key";
    EXPECT_FALSE(State(S::kStayRadio).checked);
    EXPECT_FALSE(State(S::kDurationBox).enabled);
    Page().Click(S::kStayRadio);
    EXPECT_EQ(State(S::kDurationBox).text, "6");
    EXPECT_TRUE(State(S::kDurationBox).enabled);
    Page().SetText(S::kDurationBox, "150");
    EXPECT_EQ(State(S::kDurationBox).text, "15");
    Page().SetText(S::kDurationBox, "");
    EXPECT_EQ(State(S::kDurationBox).text, "0");
    EXPECT_TRUE(State(S::kStayRadio).checked) << "passing through 0 while typing keeps the choice";
    EXPECT_TRUE(State(S::kDurationBox).enabled);
    Page().SetText(S::kDurationBox, "04");
    EXPECT_EQ(State(S::kDurationBox).text, "4");
    Page().Click(S::kStayRadio);
    EXPECT_EQ(State(S::kDurationBox).text, "4") << "a duration set stays";

    Page().Choose(S::kEntryOptionList, 0);
    EXPECT_FALSE(State(S::kStayRadio).enabled);
    EXPECT_FALSE(State(S::kPressAnyKeyRadio).enabled);
    EXPECT_FALSE(State(S::kDurationBox).enabled);
    Page().Choose(S::kEntryOptionList, 2);
    Page().Click(S::kPressAnyKeyRadio);
    EXPECT_EQ(State(S::kDurationBox).text, "0");
    EXPECT_FALSE(State(S::kDurationBox).enabled);
    sheet->Ok();
    EXPECT_EQ(Live(kEntryOption), 2);
    EXPECT_EQ(Live(kEntryDuration), 0);
}

TEST_F(SettingsPageTest, ResetSetsTheTerminalDefaultsInTheWorkingCopy) {
    for (std::size_t offset = kUploadPort; offset < kExtraTexts; ++offset) Live(offset) = 7;
    Live(kVibratorDuration) = 3;
    const task::TaskModel before = bench.task.model;
    Open();
    Page().Click(S::kResetButton);
    EXPECT_EQ(State(S::kIdleTimeBox).text, "2");
    EXPECT_TRUE(State(S::kStayRadio).checked);
    sheet->Cancel();
    EXPECT_EQ(bench.task.model, before);

    Open();
    Page().Click(S::kResetButton);
    sheet->Ok();
    std::vector<Byte> expected(kExtraTexts - kUploadPort, 0);
    const auto at = [&](std::size_t offset) -> Byte& { return expected[offset - kUploadPort]; };
    at(kUploadPort) = 1;
    at(kDownloadPort) = 1;
    at(kBacklightIdle) = 2;
    at(kEntryOption) = 1;
    at(kEntryDuration) = 6;
    at(kKeyClick) = 2;
    at(kGoodReadBeep) = 1;
    at(kWarningBeep) = 2;
    // Not the page's to reset: the large font of the built-in screens, bytes
    // no editor knows, the function key switch and the code ids.
    for (std::size_t offset = kLargeFontScreens; offset < kModemSpeed; ++offset) at(offset) = 7;
    const std::vector<Byte> got(bench.task.model.startup.begin() + kUploadPort,
                                bench.task.model.startup.begin() + kExtraTexts);
    EXPECT_EQ(got, expected);
    EXPECT_EQ(Live(kVibratorDuration), 0);
}

TEST_F(SettingsPageTest, TheCommitWritesOnlyTheBytesThePageOwns) {
    Open();
    Page().Choose(S::kVibratorList, 5);
    Page().Choose(S::kGoodReadList, 3);
    // Other pages and dialogs write their bytes before this page commits.
    task::StartupSettings others = bench.task.model.startup;
    const std::pair<std::size_t, std::size_t> notOwned[] = {{0, 4}, {68, 81}, {83, 114}, {150, 256}, {258, 267}};
    for (const auto& [first, last] : notOwned) {
        for (std::size_t offset = first; offset <= last; ++offset) others[offset] = static_cast<Byte>(offset);
    }
    bench.task.model.startup = others;
    sheet->Ok();
    task::StartupSettings expected = others;
    expected[kVibratorDuration] = 5;
    expected[kGoodReadBeep] = 3;
    EXPECT_EQ(bench.task.model.startup, expected);
}

}  // namespace
}  // namespace editors
