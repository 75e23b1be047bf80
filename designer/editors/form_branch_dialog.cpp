#include "designer/editors/form_branch_dialog.h"

#include "designer/editors/item_lists.h"
#include "designer/editors/remains_dialog.h"
#include "designer/editors/summation_dialog.h"
#include "designer/strings/string_ids.h"
#include "designer/task/form_view.h"

namespace editors {
namespace {

using B = FormBranchDialog;
using K = ControlKind;
namespace id = strings::id;

constexpr int kKeys = 4;
constexpr int kKeyLabel = 9001;  // "FN + 1" .. "FN + 4"
// Branch targets (bytes kFnTarget) past the forms.
constexpr Byte kRemains = 11, kSummation = 12, kLastTarget = 13;

std::vector<ControlSpec> BranchControls() {
    std::vector<ControlSpec> controls;
    for (int k = 0; k < kKeys; ++k) {
        controls.push_back({kKeyLabel + k, K::Label, 0, {0, k, 0}});
        controls.push_back({B::kTargetList + k, K::Combo, 0, {0, k, 1, 1, 0, true}});
        controls.push_back({B::kMoreButton + k, K::Button, id::kBranchMoreButton, {0, k, 2}});
    }
    return controls;
}

}  // namespace

FormBranchDialog::FormBranchDialog(EditorContext& context, task::FormRecord& form)
    : DialogModel(context, "FormBranchDlg", context.DirectText(id::kBranchTitle), BranchControls()), form_(form) {
    BackUp(form_);
    std::vector<std::string> targets{context.Text(id::kBranchDisabledName)};
    Append(targets, NumberedItems(context, id::kFormNumbered, task::kFormCount));
    Append(targets, TextItems(context, id::kFirstBranchActionName, 3));
    const std::string key = context.DirectText(id::kFnKeyNumbered);
    for (int k = 0; k < kKeys; ++k) {
        ShowText(kKeyLabel + k, key + std::to_string(k + 1));
        SetItems(kTargetList + k, targets);
        Bind(kTargetList + k,
             ListBinding(Field::Whole([this, k] { return &form_[task::form::kFnTarget + static_cast<std::size_t>(k)]; })));
    }
    LoadControls();
}

void FormBranchDialog::OnClicked(int id) {
    const int key = id - kMoreButton;
    if (key < 0 || key >= kKeys) return;
    const Byte target = task::ConstFormView(form_).FnTarget(key);
    if (target == kRemains) OpenDialog(std::make_unique<RemainsDialog>(Context(), form_, key));
    if (target == kSummation) OpenDialog(std::make_unique<SummationDialog>(Context(), form_, key));
}

void FormBranchDialog::Update() {
    const task::ConstFormView form(form_);
    for (int k = 0; k < kKeys; ++k) {
        const Byte target = form.FnTarget(k);
        // A target the terminal does not know leads nowhere; its byte stays until the user picks one.
        if (target > kLastTarget) Control(kTargetList + k).selection = 0;
        Enable(kMoreButton + k, target == kRemains || target == kSummation);
    }
}

}  // namespace editors
