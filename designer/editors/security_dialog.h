#pragma once
// "SECURITYDLG": the terminal's password and the functions it protects,
// edited in the Settings page's working copy of StartupSettings; Cancel
// gives the copy its bytes back.
#include "designer/editors/dialog_model.h"

namespace editors {

class SecurityDialog final : public DialogModel {
public:
    static constexpr int kPasswordBox = 301;
    // The twelve protected functions from 101, then the three sounds from 113.
    static constexpr int kFirstFunctionCheck = 101;
    static constexpr int kSettingsCheck = 101;
    static constexpr int kFirstSoundCheck = 113;

    SecurityDialog(EditorContext& context, task::StartupSettings& settings);

protected:
    void OnEdited(int id) override;
    void Update() override;

private:
    task::StartupSettings& settings_;
};

}  // namespace editors
