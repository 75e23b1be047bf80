#include "designer/editors/settings_page.h"

#include <algorithm>

#include "designer/editors/box_rules.h"
#include "designer/editors/function_key_dialog.h"
#include "designer/editors/item_lists.h"
#include "designer/editors/security_dialog.h"
#include "designer/editors/wedge_dialog.h"
#include "designer/strings/string_ids.h"
#include "designer/task/startup_view.h"

namespace editors {

namespace {

using namespace task::startup;
using task::Byte;
using K = ControlKind;
namespace id = strings::id;

constexpr Byte kUploadModem = 4;
constexpr Byte kDownloadModem = 3;  // the download list has no keyboard wedge
constexpr int kPorts = 5;
constexpr int kSpeeds = 5;
constexpr int kTones = 5;
constexpr int kBeeps = 3;
constexpr int kVibratorSeconds = 5;
constexpr Byte kDefaultDuration = 6;

// The runs of StartupSettings bytes this page writes, each from its first
// byte up to (not including) the end: the rest belong to other pages.
constexpr std::pair<std::size_t, std::size_t> kOwnBytes[] = {
    {kUploadPort, kLargeFontScreens},
    {kFunctionKeyMapping, kFunctionKeyMapping + 1},
    {kModemSpeed, kExtraTexts},
    {kVibratorDuration, kVibratorDuration + 1},
};

constexpr int kSettingsGroup = 9100;
constexpr int kButtonRow = 9200;

std::vector<ControlSpec> SettingsControls() {
    using P = SettingsPage;
    return {
        {kSettingsGroup, K::Group, id::kSettingsGroup, {0, 0, 0}},
        {kButtonRow, K::Group, 0, {0, 1, 0}},
        {9001, K::Label, id::kSettingsUploadPortLabel, {kSettingsGroup, 0, 0}},
        {P::kUploadPortList, K::Combo, 0, {kSettingsGroup, 0, 1}},
        {9002, K::Label, id::kSettingsPhoneLabel, {kSettingsGroup, 0, 2}},
        {P::kUploadPhoneBox, K::Edit, 0, {kSettingsGroup, 0, 3, 2, 20}},
        {9003, K::Label, id::kSettingsDownloadPortLabel, {kSettingsGroup, 1, 0}},
        {P::kDownloadPortList, K::Combo, 0, {kSettingsGroup, 1, 1}},
        {9004, K::Label, id::kSettingsPhoneLabel, {kSettingsGroup, 1, 2}},
        {P::kDownloadPhoneBox, K::Edit, 0, {kSettingsGroup, 1, 3, 2, 20}},
        {9005, K::Label, id::kSettingsModemSpeedLabel, {kSettingsGroup, 2, 0}},
        {P::kModemSpeedList, K::Combo, 0, {kSettingsGroup, 2, 1}},
        {9006, K::Label, id::kSettingsBaudRateLabel, {kSettingsGroup, 3, 0}},
        {P::kBaudRateList, K::Combo, 0, {kSettingsGroup, 3, 1}},
        {9007, K::Label, id::kSettingsBacklightLabel, {kSettingsGroup, 4, 0}},
        {P::kBacklightList, K::Combo, 0, {kSettingsGroup, 4, 1}},
        {9008, K::Label, id::kSettingsIdleLabel, {kSettingsGroup, 4, 2}},
        {P::kIdleTimeBox, K::Edit, 0, {kSettingsGroup, 4, 3, 1, 2}},
        {9009, K::Label, id::kSettingsIdleUnit, {kSettingsGroup, 4, 4}},
        {9010, K::Label, id::kSettingsDataDeletionLabel, {kSettingsGroup, 5, 0}},
        {P::kDataDeletionList, K::Combo, 0, {kSettingsGroup, 5, 1}},
        {9011, K::Label, id::kSettingsEntryOptionsLabel, {kSettingsGroup, 6, 0}},
        {P::kEntryOptionList, K::Combo, 0, {kSettingsGroup, 6, 1}},
        {P::kStayRadio, K::Radio, id::kSettingsStayRadio, {kSettingsGroup, 6, 2}},
        {P::kDurationBox, K::Edit, 0, {kSettingsGroup, 6, 3, 1, 2}},
        {9012, K::Label, id::kSettingsDurationUnit, {kSettingsGroup, 6, 4}},
        {P::kPressAnyKeyRadio, K::Radio, id::kSettingsPressAnyKeyRadio, {kSettingsGroup, 7, 2, 3}},
        {9013, K::Label, id::kSettingsKeyClickLabel, {kSettingsGroup, 8, 0}},
        {P::kKeyClickList, K::Combo, 0, {kSettingsGroup, 8, 1}},
        {9014, K::Label, id::kSettingsGoodReadLabel, {kSettingsGroup, 9, 0}},
        {P::kGoodReadList, K::Combo, 0, {kSettingsGroup, 9, 1}},
        {9015, K::Label, id::kSettingsWarningBeepLabel, {kSettingsGroup, 10, 0}},
        {P::kWarningBeepList, K::Combo, 0, {kSettingsGroup, 10, 1}},
        {9016, K::Label, id::kSettingsVibratorLabel, {kSettingsGroup, 11, 0}},
        {P::kVibratorList, K::Combo, 0, {kSettingsGroup, 11, 1}},
        {P::kSecurityButton, K::Button, id::kSettingsSecurityButton, {kButtonRow, 0, 0}},
        {P::kWedgeButton, K::Button, id::kSettingsWedgeButton, {kButtonRow, 0, 1}},
        {P::kFunctionKeyButton, K::Button, id::kSettingsFunctionKeyButton, {kButtonRow, 0, 2}},
        {P::kResetButton, K::Button, id::kSettingsResetButton, {kButtonRow, 0, 3}},
    };
}

// "Mute", then the choices the terminal counts from 1.
std::vector<std::string> SoundItems(EditorContext& context, std::vector<std::string> choices) {
    std::vector<std::string> items{context.Text(id::kMuteName)};
    Append(items, std::move(choices));
    return items;
}

}  // namespace

SettingsPage::SettingsPage(EditorContext& context, std::string title)
    : PageModel(context, "SETTINGSDLG", std::move(title), SettingsControls()) {
    startup_ = context.Live().startup;
    wedge_ = context.Live().terminal;

    const std::vector<std::string> ports = TextItems(context, id::kFirstPortName, kPorts);
    SetItems(kUploadPortList, ports);
    std::vector<std::string> downloadPorts = ports;
    downloadPorts.erase(downloadPorts.begin() + (id::kKeyboardWedgePortName - id::kFirstPortName));
    SetItems(kDownloadPortList, std::move(downloadPorts));
    SetItems(kModemSpeedList, TextItems(context, id::kFirstSpeedName, kSpeeds));
    SetItems(kBaudRateList, TextItems(context, id::kFirstSpeedName, kSpeeds));
    SetItems(kBacklightList, TextItems(context, id::kFirstBacklightName, 2));
    SetItems(kDataDeletionList, TextItems(context, id::kFirstDeletionName, 2));
    SetItems(kEntryOptionList, TextItems(context, id::kFirstEntryOptionName, 3));
    std::vector<std::string> tones;
    for (int n = 1; n <= kTones; ++n) tones.push_back(context.Text(id::kToneNumbered) + " " + std::to_string(n));
    SetItems(kKeyClickList, SoundItems(context, std::move(tones)));
    SetItems(kGoodReadList, SoundItems(context, TextItems(context, id::kFirstBeepName, kBeeps)));
    SetItems(kWarningBeepList, SoundItems(context, TextItems(context, id::kFirstBeepName, kBeeps)));
    std::vector<std::string> vibrator{context.Text(id::kVibratorOffName)};
    for (int n = 1; n <= kVibratorSeconds; ++n) {
        vibrator.push_back(std::to_string(n) + " " + context.Text(id::kSecondsName));
    }
    SetItems(kVibratorList, std::move(vibrator));

    BindControls();
    ShowSettings();
}

Locate SettingsPage::ByteAt(std::size_t offset) {
    return [this, offset] { return &startup_[offset]; };
}

void SettingsPage::BindControls() {
    const std::pair<int, std::size_t> lists[] = {
        {kUploadPortList, kUploadPort},     {kDownloadPortList, kDownloadPort}, {kModemSpeedList, kModemSpeed},
        {kBaudRateList, kBaudRate},         {kBacklightList, kBacklight},       {kDataDeletionList, kDataDeletion},
        {kEntryOptionList, kEntryOption},   {kKeyClickList, kKeyClick},         {kGoodReadList, kGoodReadBeep},
        {kWarningBeepList, kWarningBeep},   {kVibratorList, kVibratorDuration},
    };
    for (const auto& [list, offset] : lists) Bind(list, ListBinding(Field::Whole(ByteAt(offset))));
    const auto phoneLimit = [] { return kPhoneWidth - 1; };
    Bind(kUploadPhoneBox, TextBinding(TextSlot(ByteAt(kUploadPhone), kPhoneWidth), phoneLimit));
    Bind(kDownloadPhoneBox, TextBinding(TextSlot(ByteAt(kDownloadPhone), kPhoneWidth), phoneLimit));
    Bind(kIdleTimeBox, NumberBinding(Field::Whole(ByteAt(kBacklightIdle)), ApplyIdleTimeRule));
    Bind(kDurationBox, NumberBinding(Field::Whole(ByteAt(kEntryDuration)), [](std::string_view text, int) {
        return ApplyDurationRule(text);
    }));
}

void SettingsPage::ShowSettings() {
    stayOnScreen_ = task::ConstStartupView(startup_).EntryDuration() != 0;
    LoadControls();
}

void SettingsPage::OnClicked(int id) {
    const task::StartupView settings(startup_);
    switch (id) {
        case kStayRadio:
            stayOnScreen_ = true;
            if (settings.EntryDuration() == 0) settings.SetEntryDuration(kDefaultDuration);
            ShowText(kDurationBox, std::to_string(settings.EntryDuration()));
            break;
        case kPressAnyKeyRadio:
            stayOnScreen_ = false;
            settings.SetEntryDuration(0);
            ShowText(kDurationBox, "0");
            break;
        case kSecurityButton: OpenDialog(std::make_unique<SecurityDialog>(Context(), startup_)); break;
        case kFunctionKeyButton: OpenDialog(std::make_unique<FunctionKeyDialog>(Context(), startup_)); break;
        case kWedgeButton: OpenDialog(std::make_unique<WedgeDialog>(Context(), wedge_)); break;
        case kResetButton: Reset(); break;
        default: break;
    }
}

void SettingsPage::Reset() {
    const task::StartupView settings(startup_);
    task::SetSlotText(settings.UploadPhoneSlot(), "");
    task::SetSlotText(settings.DownloadPhoneSlot(), "");
    for (int i = 0; i < kProtectedFunctionCount; ++i) settings.SetProtectedFunction(i, 0);
    task::SetSlotText(settings.PasswordSlot(), "");
    std::fill(startup_.begin() + kFunctionKeys, startup_.begin() + kLargeFontScreens, Byte{0});
    std::fill(startup_.begin() + kProtectedSounds, startup_.begin() + kExtraTexts, Byte{0});
    settings.SetUploadPort(1);
    settings.SetDownloadPort(1);
    settings.SetBaudRate(0);
    settings.SetBacklight(0);
    settings.SetBacklightIdle(2);
    settings.SetDataDeletion(0);
    settings.SetEntryOption(1);
    settings.SetEntryDuration(kDefaultDuration);
    settings.SetModemSpeed(0);
    settings.SetKeyClick(2);
    settings.SetGoodReadBeep(1);
    settings.SetWarningBeep(2);
    settings.SetVibratorDuration(0);
    // Only the wedge dialog's OK brings these into the task.
    wedge_[task::terminal::kKeyboardType] = 0;
    wedge_[task::terminal::kWedgeFlags] = 0;
    wedge_[task::terminal::kCharacterDelay] = 0;
    wedge_[task::terminal::kTransmitTimeout] = 0;
    wedge_[task::terminal::kAddReturn] = 1;
    ShowSettings();
}

void SettingsPage::Update() {
    const task::ConstStartupView settings(startup_);
    const bool uploadModem = settings.UploadPort() == kUploadModem;
    const bool downloadModem = settings.DownloadPort() == kDownloadModem;
    Enable(kUploadPhoneBox, uploadModem);
    Enable(kDownloadPhoneBox, downloadModem);
    Enable(kModemSpeedList, uploadModem || downloadModem);
    Enable(kBaudRateList, !(uploadModem && downloadModem));
    const bool prompted = settings.EntryOption() != 0;
    Enable(kStayRadio, prompted);
    Enable(kPressAnyKeyRadio, prompted);
    Enable(kDurationBox, prompted && stayOnScreen_);
    Control(kStayRadio).checked = stayOnScreen_;
    Control(kPressAnyKeyRadio).checked = !stayOnScreen_;
}

void SettingsPage::Commit() {
    task::StartupSettings& live = Context().LiveTask().model.startup;
    for (const auto& [first, end] : kOwnBytes) {
        std::copy(startup_.begin() + first, startup_.begin() + end, live.begin() + first);
    }
}

}  // namespace editors
