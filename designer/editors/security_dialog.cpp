#include "designer/editors/security_dialog.h"

#include "common/cp1251.h"
#include "designer/editors/box_rules.h"
#include "designer/strings/string_ids.h"
#include "designer/task/startup_view.h"

namespace editors {

namespace {

using namespace task::startup;
using K = ControlKind;
namespace id = strings::id;

constexpr int kChecks = kProtectedFunctionCount + kProtectedSoundCount;
constexpr int kCheckRows = 5;
constexpr int kCheckGroup = 9100;
// Protecting the settings menu protects every setting in it: from "Upload
// Port" on, the boxes have nothing left to say.
constexpr int kFirstSettingCheck = SecurityDialog::kFirstFunctionCheck + 6;

std::vector<ControlSpec> SecurityControls() {
    std::vector<ControlSpec> c = {
        {9001, K::Label, id::kSecurityPasswordLabel, {0, 0, 0}},
        {SecurityDialog::kPasswordBox, K::Edit, 0, {0, 0, 1, 1, 10}},
        {kCheckGroup, K::Group, id::kSecurityGroup, {0, 1, 0, 3}},
    };
    for (int i = 0; i < kChecks; ++i) {
        c.push_back({SecurityDialog::kFirstFunctionCheck + i, K::Check, id::kFirstProtectedFunctionName + i,
                     {kCheckGroup, i % kCheckRows, i / kCheckRows}});
    }
    return c;
}

}  // namespace

SecurityDialog::SecurityDialog(EditorContext& context, task::StartupSettings& settings)
    : DialogModel(context, "SECURITYDLG", context.DirectText(id::kSecurityTitle), SecurityControls()),
      settings_(settings) {
    BackUp(settings_);
    for (int i = 0; i < kChecks; ++i) {
        const std::size_t offset =
            i < kProtectedFunctionCount ? kProtectedFunctions + i : kProtectedSounds + (i - kProtectedFunctionCount);
        Bind(kFirstFunctionCheck + i, CheckBinding(Field::Whole([this, offset] { return &settings_[offset]; })));
    }
    ShowText(kPasswordBox, common::Cp1251ToUtf8(task::SlotText(task::ConstStartupView(settings_).PasswordSlot())));
    LoadControls();
}

void SecurityDialog::OnEdited(int id) {
    if (id != kPasswordBox) return;
    const PasswordEntry entry = ApplyPasswordRule(Control(id).text);
    ShowText(id, entry.text);
    task::SetSlotText(task::StartupView(settings_).PasswordSlot(), entry.text);
    if (entry.tooLong) Context().ShowMessage(id::kWarningCaption, id::kPasswordTooLong, common::MessageIcon::Warning);
    if (entry.invalidCharacter) {
        Context().ShowMessage(id::kWarningCaption, id::kInvalidCharacter, common::MessageIcon::Warning);
    }
}

void SecurityDialog::Update() {
    const bool settingsProtected = task::ConstStartupView(settings_).ProtectedFunction(0) != 0;
    for (int check = kFirstSettingCheck; check < kFirstFunctionCheck + kChecks; ++check) {
        Enable(check, !settingsProtected);
    }
}

}  // namespace editors
