#pragma once
// The rules of the preferences dialog "PreferencesDlg", without widgets: the
// texts of its controls, which row each list shows, what a choice changes in
// the working copy, and what OK keeps.
#include <string>
#include <vector>

#include "common/text/string_table.h"
#include "common/ui_port.h"
#include "designer/link/port_list.h"
#include "designer/shell/settings_file.h"

namespace shell {

// The serial ports offered, in list order.
struct PortChoices {
    std::vector<std::string> lines;  // "COM3 - Serial port ..."
    std::vector<int> positions;      // the port position each line stands for
    std::vector<std::string> names;  // "COM3": the port each line stands for
};

// The list of `ports` in their order, each kind named in the language of `strings`.
PortChoices ListPortChoices(const std::vector<termlink::SerialPort>& ports, text::StringTable& strings);

// Every text of the dialog in the current language (Windows-1251).
struct PreferencesTexts {
    std::string title, downloadLabel, receiveLabel, portLabel, speedLabel;
    std::string autoPreload, alwaysOnTop, languageLabel, detectCradle, ok, cancel;
    std::vector<std::string> linkTypes;  // RS-232, Cradle-IR, IrDA
    std::vector<std::string> speeds;     // 115200 bps .. 9600 bps
    std::string defaultLanguage;         // row 0 of the language list
};
PreferencesTexts LoadPreferencesTexts(text::StringTable& strings);

class PreferencesPage {
public:
    // `stored` is the preferences as just read; `languages` the names of the
    // language files found, in list order. The port shown is the one the
    // stored choice stands for now (termlink::FindChosenPort), else the first.
    PreferencesPage(const Preferences& stored, std::vector<std::string> languages, PortChoices ports);

    // The rows the lists show; -1 for none.
    int DownloadRow() const { return RowOf(copy_.downloadVia, kLinkTypes); }
    int ReceiveRow() const { return RowOf(copy_.receiveVia, kLinkTypes); }
    int SpeedRow() const { return RowOf(copy_.speedIndex, kSpeeds); }
    int PortRow() const;
    int LanguageRow() const { return languageRow_; }
    bool LanguageEnabled() const { return !languages_.empty(); }
    const std::vector<std::string>& PortLines() const { return ports_.lines; }
    const std::vector<std::string>& LanguageNames() const { return languages_; }
    bool AutoPreload() const { return copy_.autoPreload; }
    bool AlwaysOnTop() const { return copy_.alwaysOnTop; }

    void ChooseDownload(int row);
    void ChooseReceive(int row);
    void ChooseSpeed(int row);
    void ChoosePort(int row);
    void ChooseLanguage(int row);
    void SetAutoPreload(bool on) { copy_.autoPreload = on; }
    void SetAlwaysOnTop(bool on) { copy_.alwaysOnTop = on; }

    // The result of Detect Cradle: `position` is where the cradle answered
    // (negative for nowhere), `portName` its name. Tells the user, and a
    // found port becomes the chosen one.
    void TakeDetection(int position, const std::string& portName, text::StringTable& strings, common::UiPort& ui);

    // The preferences OK keeps: the copy with the chosen language ("0" for
    // the built-in English).
    Preferences Accepted() const;

private:
    static constexpr int kLinkTypes = 3;
    static constexpr int kSpeeds = 5;
    static int RowOf(int value, int rows) { return value >= 0 && value < rows ? value : -1; }
    void TakePortOfRow(int row);

    Preferences copy_;
    std::vector<std::string> languages_;
    PortChoices ports_;
    int languageRow_ = 0;
};

}  // namespace shell
