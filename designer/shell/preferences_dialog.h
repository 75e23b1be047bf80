#pragma once
// The preferences dialog "PreferencesDlg". It only translates: the page
// model holds the rules, the session keeps what OK accepts.
#include <QDialog>

#include "designer/shell/designer_session.h"
#include "designer/shell/preferences_page.h"
#include "designer/shell/transfer_commands.h"

class QComboBox;

namespace shell {

class PreferencesDialog final : public QDialog {
    Q_OBJECT
public:
    // Reads the settings file again and works on a copy of the preferences.
    // Without `transfers` there is no cradle to detect.
    PreferencesDialog(DesignerSession& session, TransferCommands* transfers, QWidget* parent = nullptr);

    void accept() override;

private:
    void DetectCradle();
    QComboBox* AddList(int controlId, const std::vector<std::string>& rows, int row);

    DesignerSession& session_;
    TransferCommands* transfers_;
    PreferencesPage page_;
    QComboBox* ports_ = nullptr;
};

}  // namespace shell
