#pragma once
// "FUNCTIONKEYDLG": which terminal function each of FN+1 .. FN+7 calls, and
// whether the mapping is on, edited in the Settings page's working copy of
// StartupSettings; Cancel gives the copy its bytes back.
#include "designer/editors/dialog_model.h"

namespace editors {

class FunctionKeyDialog final : public DialogModel {
public:
    static constexpr int kEnableCheck = 101;
    static constexpr int kFirstKeyList = 401;  // FN+1; FN+n is kFirstKeyList + n - 1

    FunctionKeyDialog(EditorContext& context, task::StartupSettings& settings);

protected:
    void Update() override;

private:
    task::StartupSettings& settings_;
};

}  // namespace editors
