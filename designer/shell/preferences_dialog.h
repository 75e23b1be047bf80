#pragma once
// The preferences dialog "PreferencesDlg". It only translates: the page
// model holds the rules, the session keeps what OK accepts.
#include <QDialog>

#include "designer/shell/designer_session.h"
#include "designer/shell/preferences_page.h"

class QComboBox;

namespace shell {

class PreferencesDialog final : public QDialog {
    Q_OBJECT
public:
    // Reads the settings file again and works on a copy of the preferences.
    PreferencesDialog(DesignerSession& session, QWidget* parent = nullptr);

    void accept() override;

private:
    QComboBox* AddList(int controlId, const std::vector<std::string>& rows, int row);

    DesignerSession& session_;
    PreferencesPage page_;
    QComboBox* ports_ = nullptr;
};

}  // namespace shell
