#pragma once
// The branch dialog "FormBranchDlg" of a form: where each of the function
// keys FN+1..FN+4 leads (nowhere, a form, the remains or the summation of a
// lookup field, or deleting the last record), with "More..." for the remains
// and summation settings of the key.
#include "designer/editors/dialog_model.h"

namespace editors {

class FormBranchDialog final : public DialogModel {
public:
    // Key k (0..3) of each column is the first id + k.
    static constexpr int kTargetList = 401;
    static constexpr int kMoreButton = 3;

    // For `form`, a working form record.
    FormBranchDialog(EditorContext& context, task::FormRecord& form);

protected:
    void OnClicked(int id) override;
    void Update() override;

private:
    task::FormRecord& form_;
};

}  // namespace editors
