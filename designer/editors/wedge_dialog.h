#pragma once
// "KeyboardWedgeDlg": how the terminal types its records into a computer as
// a keyboard would, edited in the Settings page's working copy of
// TerminalSettings. Its OK writes the copy into the task at once, whatever
// the sheet's OK or Cancel does later; its Cancel gives the copy its bytes back.
#include "designer/editors/dialog_model.h"

namespace editors {

class WedgeDialog final : public DialogModel {
public:
    static constexpr int kTypeList = 401;
    static constexpr int kDelayBox = 301;
    static constexpr int kTimeoutBox = 302;
    static constexpr int kNumericKeypadCheck = 101;
    static constexpr int kAddReturnCheck = 102;
    // Three radio buttons each.
    static constexpr int kFirstDigitsRadio = 151;     // normal, lower, upper position
    static constexpr int kFirstShiftLockRadio = 154;  // normal, capital-lock, shift-lock keyboard
    static constexpr int kFirstCapitalRadio = 157;    // ignore case, always locked, auto-detection

    WedgeDialog(EditorContext& context, task::TerminalSettings& settings);

protected:
    bool Accept() override;

private:
    task::TerminalSettings& settings_;
};

}  // namespace editors
