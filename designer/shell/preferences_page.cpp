#include "designer/shell/preferences_page.h"

#include <algorithm>

#include "designer/link/port_list.h"
#include "designer/strings/string_ids.h"

namespace shell {
namespace {

namespace id = strings::id;

constexpr char kEnglish[] = "0";

}  // namespace

PortChoices ListPortChoices(const std::vector<termlink::SerialPort>& ports, text::StringTable& strings) {
    constexpr int kNamedKinds = 3;  // serial, virtual, Bluetooth
    PortChoices choices;
    for (std::size_t i = 0; i < ports.size(); ++i) {
        const int kind = ports[i].kind;
        const int nameId = kind >= 1 && kind <= kNamedKinds ? id::kFirstPortKindName + kind - 1 : id::kUnknownPortKindName;
        choices.lines.push_back(termlink::PortListLine(ports[i], strings.Direct(nameId)));
        choices.positions.push_back(static_cast<int>(i));
        choices.names.push_back(ports[i].name);
    }
    return choices;
}

PreferencesTexts LoadPreferencesTexts(text::StringTable& strings) {
    PreferencesTexts t;
    t.title = strings.Direct(id::kPreferencesTitle);
    t.downloadLabel = strings.Direct(id::kDownloadViaLabel);
    t.receiveLabel = strings.Direct(id::kReceiveViaLabel);
    t.portLabel = strings.Direct(id::kPortLabel);
    t.speedLabel = strings.Direct(id::kSpeedLabel);
    t.autoPreload = strings.Direct(id::kAutoPreloadLabel);
    t.alwaysOnTop = strings.Direct(id::kAlwaysOnTopLabel);
    t.languageLabel = strings.Direct(id::kLanguageLabel);
    t.detectCradle = strings.Direct(id::kDetectCradleButton);
    t.ok = strings.Direct(id::kOkButton);
    t.cancel = strings.Direct(id::kCancelButton);
    for (int i = 0; i < 3; ++i) {
        t.linkTypes.push_back(strings.Lookup(id::kFirstLinkTypeName + i, text::LookupKind::Text));
    }
    for (int i = 0; i < 5; ++i) t.speeds.push_back(strings.Lookup(id::kFirstSpeedName + i, text::LookupKind::Text));
    t.defaultLanguage = strings.Direct(id::kDefaultLanguageItem);
    return t;
}

PreferencesPage::PreferencesPage(const Preferences& stored, std::vector<std::string> languages, PortChoices ports)
    : copy_(stored), languages_(std::move(languages)), ports_(std::move(ports)) {
    const auto found = std::find(languages_.begin(), languages_.end(), copy_.language);
    languageRow_ = found == languages_.end() ? 0 : static_cast<int>(found - languages_.begin()) + 1;
    if (ports_.positions.empty()) return;
    // A chosen port that is gone falls back to the first port.
    const int row = termlink::FindChosenPort(ports_.names, copy_.portPosition, copy_.comPort);
    TakePortOfRow(row < 0 ? 0 : row);
}

// Both the position and the number are kept, so that a transfer can find
// the port again after the list has moved.
void PreferencesPage::TakePortOfRow(int row) {
    const auto at = static_cast<std::size_t>(row);
    copy_.portPosition = ports_.positions[at];
    copy_.comPort = at < ports_.names.size() ? termlink::PortNumberOf(ports_.names[at]) : 0;
}

int PreferencesPage::PortRow() const {
    const auto found = std::find(ports_.positions.begin(), ports_.positions.end(), copy_.portPosition);
    return found == ports_.positions.end() ? -1 : static_cast<int>(found - ports_.positions.begin());
}

void PreferencesPage::ChooseDownload(int row) {
    if (RowOf(row, kLinkTypes) >= 0) copy_.downloadVia = row;
}

void PreferencesPage::ChooseReceive(int row) {
    if (RowOf(row, kLinkTypes) >= 0) copy_.receiveVia = row;
}

void PreferencesPage::ChooseSpeed(int row) {
    if (RowOf(row, kSpeeds) >= 0) copy_.speedIndex = row;
}

void PreferencesPage::ChoosePort(int row) {
    if (row >= 0 && row < static_cast<int>(ports_.positions.size())) TakePortOfRow(row);
}

void PreferencesPage::ChooseLanguage(int row) {
    if (row >= 0 && row <= static_cast<int>(languages_.size())) languageRow_ = row;
}

void PreferencesPage::TakeDetection(int position, const std::string& portName, text::StringTable& strings,
                                    common::UiPort& ui) {
    const std::string caption = strings.Lookup(id::kDetectCaption, text::LookupKind::Caption);
    if (position < 0) {
        ui.ShowMessage(caption, strings.Lookup(id::kCradleMissing), common::MessageIcon::Warning);
        return;
    }
    ui.ShowMessage(caption, strings.Lookup(id::kCradleFoundAt) + portName, common::MessageIcon::Information);
    copy_.portPosition = position;
    copy_.comPort = termlink::PortNumberOf(portName);
}

Preferences PreferencesPage::Accepted() const {
    Preferences accepted = copy_;
    accepted.language = languageRow_ == 0 ? std::string(kEnglish) : languages_[static_cast<std::size_t>(languageRow_ - 1)];
    return accepted;
}

}  // namespace shell
