#pragma once
// The OK (control 1) and Cancel (control 2) buttons of the sheet and of its
// dialogs, wired to the dialog's accept and reject.
#include <string>

class QDialog;
class QDialogButtonBox;

namespace editors {

QDialogButtonBox* MakeOkCancelButtons(const std::string& okText, const std::string& cancelText, QDialog* dialog);

}  // namespace editors
