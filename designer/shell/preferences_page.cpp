#include "designer/shell/preferences_page.h"

#include <algorithm>

namespace shell {
namespace {

constexpr int kDetectCaption = 1320;
constexpr int kCradleMissingText = 1321;
constexpr int kCradleFoundText = 1322;
constexpr int kFirstLinkType = 1491;
constexpr int kFirstSpeed = 1501;
constexpr char kEnglish[] = "0";

}  // namespace

PreferencesTexts LoadPreferencesTexts(Strings& strings) {
    PreferencesTexts t;
    t.title = strings.Direct(11, "Preferences");
    t.downloadLabel = strings.Direct(12, "&Download via :");
    t.receiveLabel = strings.Direct(13, "&Receive data via :");
    t.portLabel = strings.Direct(14, "&COM port:");
    t.speedLabel = strings.Direct(15, "&Baud rate :");
    t.autoPreload = strings.Direct(16, "&Auto-preload the last editing file.");
    t.alwaysOnTop = strings.Direct(17, "Always &on top.");
    t.languageLabel = strings.Direct(18, "&Language :");
    t.detectCradle = strings.Direct(19, "De&tect Cradle");
    t.ok = strings.Direct(1218, "OK");
    t.cancel = strings.Direct(1219, "Cancel");
    for (int i = 0; i < 3; ++i) t.linkTypes.push_back(strings.Lookup(kFirstLinkType + i, LookupKind::Text));
    for (int i = 0; i < 5; ++i) t.speeds.push_back(strings.Lookup(kFirstSpeed + i, LookupKind::Text));
    t.defaultLanguage = "Default <English>";
    return t;
}

PreferencesPage::PreferencesPage(const Preferences& stored, std::vector<std::string> languages, PortChoices ports)
    : copy_(stored), languages_(std::move(languages)), ports_(std::move(ports)) {
    const auto found = std::find(languages_.begin(), languages_.end(), copy_.language);
    languageRow_ = found == languages_.end() ? 0 : static_cast<int>(found - languages_.begin()) + 1;
    if (ports_.positions.empty()) return;
    // A position the list does not hold (the ports changed) falls back to the first port.
    const int count = static_cast<int>(ports_.positions.size());
    if (copy_.portPosition < 0 || copy_.portPosition >= count) copy_.portPosition = 0;
    if (PortRow() < 0) copy_.portPosition = ports_.positions.front();
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
    if (row >= 0 && row < static_cast<int>(ports_.positions.size())) copy_.portPosition = ports_.positions[row];
}

void PreferencesPage::ChooseLanguage(int row) {
    if (row >= 0 && row <= static_cast<int>(languages_.size())) languageRow_ = row;
}

void PreferencesPage::TakeDetection(int position, const std::string& portName, Strings& strings,
                                    common::UiPort& ui) {
    const std::string caption = strings.Lookup(kDetectCaption, LookupKind::Caption);
    if (position < 0) {
        ui.ShowMessage(caption, strings.Lookup(kCradleMissingText), common::MessageIcon::Warning);
        return;
    }
    ui.ShowMessage(caption, strings.Lookup(kCradleFoundText) + portName, common::MessageIcon::Information);
    copy_.portPosition = position;
}

Preferences PreferencesPage::Accepted() const {
    Preferences accepted = copy_;
    accepted.language = languageRow_ == 0 ? std::string(kEnglish) : languages_[static_cast<std::size_t>(languageRow_ - 1)];
    return accepted;
}

}  // namespace shell
