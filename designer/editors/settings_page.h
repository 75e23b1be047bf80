#pragma once
// The Settings page "SETTINGSDLG": the terminal's system settings a task
// carries (ports, phone numbers and speeds, backlight, data deletion, the
// entry prompt, sounds, vibration), with dialogs for the security password
// and protected functions, the function keys and the keyboard wedge. It
// keeps a working copy of StartupSettings, of which it writes back only the
// bytes it owns, and one of TerminalSettings, which only the wedge dialog's
// OK writes into the task.
#include "designer/editors/page_model.h"

namespace editors {

class SettingsPage final : public PageModel {
public:
    // Control ids of the template.
    static constexpr int kUploadPortList = 401;
    static constexpr int kUploadPhoneBox = 301;
    static constexpr int kDownloadPortList = 402;
    static constexpr int kDownloadPhoneBox = 302;
    static constexpr int kModemSpeedList = 403;
    static constexpr int kBaudRateList = 404;
    static constexpr int kBacklightList = 405;
    static constexpr int kIdleTimeBox = 303;
    static constexpr int kDataDeletionList = 406;
    static constexpr int kEntryOptionList = 407;
    static constexpr int kStayRadio = 151;
    static constexpr int kDurationBox = 304;
    static constexpr int kPressAnyKeyRadio = 152;
    static constexpr int kKeyClickList = 408;
    static constexpr int kGoodReadList = 409;
    static constexpr int kWarningBeepList = 410;
    static constexpr int kVibratorList = 411;
    static constexpr int kResetButton = 201;
    static constexpr int kSecurityButton = 202;
    static constexpr int kWedgeButton = 203;
    static constexpr int kFunctionKeyButton = 204;

    SettingsPage(EditorContext& context, std::string title);

    // Writes the bytes of StartupSettings this page and its dialogs edit.
    void Commit() override;

protected:
    void OnClicked(int id) override;
    void Update() override;

private:
    Locate ByteAt(std::size_t offset);
    void BindControls();
    void ShowSettings();
    void Reset();

    task::StartupSettings startup_;
    task::TerminalSettings wedge_;
    // Which of the two entry radio buttons is chosen. A duration of 0 is what
    // "Press any key" stores, but while typing the user may pass through 0
    // without leaving "Stay on the LCD".
    bool stayOnScreen_ = true;
};

}  // namespace editors
