#include "designer/shell/preferences_page.h"

#include <gtest/gtest.h>

#include <fstream>

#include "common/cp1251.h"
#include "testing/scripted_ui.h"
#include "testing/temp_folder.h"
#include "designer/strings/english_table.h"

namespace shell {
namespace {

PortChoices ThreePorts() {
    return {{"COM1 - Serial port", "COM3 - Virtual port", "COM7 - Bluetooth port"}, {0, 1, 2}, {"COM1", "COM3", "COM7"}};
}

TEST(PreferencesPage, PortKindsAreNamedInTheLanguage) {
    const std::vector<termlink::SerialPort> ports = {
        {"COM1", "", termlink::kSerialPort}, {"COM2", "", termlink::kVirtualPort},
        {"COM3", "", termlink::kBluetoothPort}, {"COM4", "", termlink::kUnknownPort}};
    text::StringTable strings = strings::MakeStringTable();
    const PortChoices english = ListPortChoices(ports, strings);
    EXPECT_EQ(english.lines, (std::vector<std::string>{"COM1 - Serial port", "COM2 - Virtual port",
                                                       "COM3 - Bluetooth port", "COM4 - Unknown port"}));
    EXPECT_EQ(english.positions, (std::vector<int>{0, 1, 2, 3}));

    test_support::TempFolder folder;
    std::ofstream(folder.File("ru.lng"), std::ios::binary) << common::Utf8ToCp1251(
        "Русский\r\n1251=Последовательный порт\r\n1252=Виртуальный порт\r\n1254=Неизвестный порт\r\n");
    ASSERT_EQ(strings.FindLanguages(folder.Path()), 1);
    ASSERT_TRUE(strings.LoadLanguage(common::Utf8ToCp1251("Русский")));
    const PortChoices russian = ListPortChoices(ports, strings);
    ASSERT_EQ(russian.lines.size(), 4u);
    EXPECT_EQ(common::Cp1251ToUtf8(russian.lines[0]), "COM1 - Последовательный порт");
    EXPECT_EQ(common::Cp1251ToUtf8(russian.lines[1]), "COM2 - Виртуальный порт");
    EXPECT_EQ(russian.lines[2], "COM3 - Bluetooth port") << "an entry the language lacks stays English";
    EXPECT_EQ(common::Cp1251ToUtf8(russian.lines[3]), "COM4 - Неизвестный порт");
    // The list line's name still finds its port.
    EXPECT_EQ(russian.lines[1].substr(0, russian.lines[1].find(' ')), "COM2");
}

TEST(PreferencesPage, RowsFollowTheStoredPreferences) {
    Preferences stored;
    stored.downloadVia = 2;
    stored.receiveVia = 0;
    stored.speedIndex = 3;
    stored.portPosition = 2;
    stored.comPort = 7;
    stored.language = "Deutsch";
    const PreferencesPage page(stored, {"Русский", "Deutsch"}, ThreePorts());
    EXPECT_EQ(page.DownloadRow(), 2);
    EXPECT_EQ(page.ReceiveRow(), 0);
    EXPECT_EQ(page.SpeedRow(), 3);
    EXPECT_EQ(page.PortRow(), 2);
    EXPECT_EQ(page.LanguageRow(), 2);
    EXPECT_TRUE(page.LanguageEnabled());

    // A position beyond the ports, or none chosen, of a port that is gone, shows the first port.
    stored.portPosition = 7;
    stored.comPort = 4;
    EXPECT_EQ(PreferencesPage(stored, {}, ThreePorts()).PortRow(), 0);
    stored.portPosition = -1;
    EXPECT_EQ(PreferencesPage(stored, {}, ThreePorts()).Accepted().portPosition, 0);
    // No ports at all: the stored position is kept as it was.
    EXPECT_EQ(PreferencesPage(stored, {}, {}).Accepted().portPosition, -1);

    stored.language = "Klingon";
    const PreferencesPage unknown(stored, {}, {});
    EXPECT_EQ(unknown.LanguageRow(), 0);
    EXPECT_FALSE(unknown.LanguageEnabled());
    EXPECT_EQ(unknown.Accepted().language, "0");
}

TEST(PreferencesPage, ThePortIsKeptByPositionAndNumber) {
    Preferences stored;
    stored.portPosition = 0;
    stored.comPort = 7;  // COM7 was first when it was chosen; another port came before it since
    PreferencesPage page(stored, {}, ThreePorts());
    EXPECT_EQ(page.PortRow(), 2);
    EXPECT_EQ(page.Accepted().portPosition, 2);

    page.ChoosePort(1);
    EXPECT_EQ(page.Accepted().portPosition, 1);
    EXPECT_EQ(page.Accepted().comPort, 3);

    // Settings of a port number alone, as older files hold them.
    stored.portPosition = -1;
    stored.comPort = 3;
    EXPECT_EQ(PreferencesPage(stored, {}, ThreePorts()).PortRow(), 1);

    // Detect Cradle's port is kept the same way.
    text::StringTable strings = strings::MakeStringTable();
    test_support::ScriptedUi ui;
    page.TakeDetection(0, "COM1", strings, ui);
    EXPECT_EQ(page.Accepted().portPosition, 0);
    EXPECT_EQ(page.Accepted().comPort, 1);
}

TEST(PreferencesPage, ChoicesChangeOnlyTheCopyAndStayInRange) {
    Preferences stored;
    PreferencesPage page(stored, {"Русский"}, ThreePorts());
    page.ChooseDownload(0);
    page.ChooseReceive(2);
    page.ChooseSpeed(4);
    page.ChoosePort(1);
    page.ChooseLanguage(1);
    page.SetAutoPreload(true);
    page.ChooseSpeed(9);     // out of range: ignored
    page.ChooseDownload(-1);  // a list with nothing selected
    const Preferences accepted = page.Accepted();
    EXPECT_EQ(accepted.downloadVia, 0);
    EXPECT_EQ(accepted.receiveVia, 2);
    EXPECT_EQ(accepted.speedIndex, 4);
    EXPECT_EQ(accepted.portPosition, 1);
    EXPECT_EQ(accepted.language, "Русский");
    EXPECT_TRUE(accepted.autoPreload);
    EXPECT_FALSE(accepted.alwaysOnTop);

    page.ChooseLanguage(0);  // "Default <English>"
    EXPECT_EQ(page.Accepted().language, "0");
}

TEST(PreferencesPage, DetectionTellsTheUserAndTakesTheFoundPort) {
    text::StringTable strings = strings::MakeStringTable();
    test_support::ScriptedUi ui;
    PreferencesPage page(Preferences{}, {}, ThreePorts());
    page.TakeDetection(-1, "", strings, ui);
    page.TakeDetection(2, "COM7", strings, ui);
    ASSERT_EQ(ui.events.size(), 2u);
    EXPECT_EQ(ui.events[0].caption, "Detecting Result");
    EXPECT_EQ(ui.events[0].text, "Cradle is not available!! ");
    EXPECT_EQ(ui.events[0].icon, common::MessageIcon::Warning);
    EXPECT_EQ(ui.events[1].text, "Cradle is connected to COM7");
    EXPECT_EQ(ui.events[1].icon, common::MessageIcon::Information);
    EXPECT_EQ(page.PortRow(), 2);
}

TEST(PreferencesPage, TextsComeFromTheLanguageOrTheBuiltInLiterals) {
    text::StringTable strings = strings::MakeStringTable();
    const PreferencesTexts texts = LoadPreferencesTexts(strings);
    EXPECT_EQ(texts.downloadLabel, "&Download via :");
    EXPECT_EQ(texts.detectCradle, "De&tect Cradle");
    EXPECT_EQ(texts.linkTypes, (std::vector<std::string>{"RS-232", "Cradle-IR", "IrDA"}));
    EXPECT_EQ(texts.speeds.front(), "115200 bps");
    EXPECT_EQ(texts.speeds.back(), "9600 bps");
}

TEST(PreferencesPage, ALanguageReplacesTheTextsItHasAndKeepsTheRest) {
    test_support::TempFolder folder;
    folder.Write("de.lng", "Deutsch\r\n11=Einstellungen\r\n19=Halterung suchen\r\n1219=Abbrechen\r\n"
                           "1492=Infrarot-Halterung\r\n1505=9600 Bit/s\r\n");
    text::StringTable strings = strings::MakeStringTable();
    ASSERT_EQ(strings.FindLanguages(folder.Path()), 1);
    ASSERT_TRUE(strings.LoadLanguage("Deutsch"));
    const PreferencesTexts texts = LoadPreferencesTexts(strings);
    EXPECT_EQ(texts.title, "Einstellungen");
    EXPECT_EQ(texts.detectCradle, "Halterung suchen");
    EXPECT_EQ(texts.cancel, "Abbrechen");
    EXPECT_EQ(texts.linkTypes, (std::vector<std::string>{"RS-232", "Infrarot-Halterung", "IrDA"}));
    EXPECT_EQ(texts.speeds.back(), "9600 Bit/s");
    // Entries the file lacks keep the built-in texts.
    EXPECT_EQ(texts.downloadLabel, "&Download via :");
    EXPECT_EQ(texts.ok, "OK");
    EXPECT_EQ(texts.speeds.front(), "115200 bps");
}

}  // namespace
}  // namespace shell
