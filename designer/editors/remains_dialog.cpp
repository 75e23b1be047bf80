#include "designer/editors/remains_dialog.h"

#include "designer/editors/item_lists.h"
#include "designer/strings/string_ids.h"
#include "designer/task/form_view.h"

namespace editors {
namespace {

namespace f = task::form;
using R = RemainsDialog;
using K = ControlKind;
namespace id = strings::id;

constexpr int kFields = 8;
constexpr int kVariables = 3;

std::vector<ControlSpec> RemainsControls() {
    return {
        {R::kEnable, K::Check, id::kRemainsEnableCheck, {0, 0, 0, 2}},
        {9001, K::Label, id::kFilterForLabel, {0, 1, 0}},
        {R::kFilterVariable, K::Combo, 0, {0, 1, 1, 1, 0, true}},
        {9002, K::Label, id::kFieldDbLabel, {0, 2, 0}},
        {R::kField, K::Combo, 0, {0, 2, 1}},
        {R::kSuffixCheck, K::Check, id::kFilterIsSuffixCheck, {0, 3, 0, 2}},
    };
}

}  // namespace

RemainsDialog::RemainsDialog(EditorContext& context, task::FormRecord& form, int key)
    : DialogModel(context, "FormRemains", context.DirectText(id::kRemainsTitle), RemainsControls()),
      form_(form),
      key_(key) {
    const task::ConstFormView record(form_);
    values_[kEnabled] = record.FnRemains(key_) > f::kRemainsField.Mask();
    values_[kFieldValue] = f::kRemainsField.Of(record.FnRemains(key_));
    values_[kSuffix] = f::kFilterIsSuffix.Of(record.FnRemainsFilter(key_));
    values_[kVariable] = f::kFilterVariable.Of(record.FnRemainsFilter(key_));

    SetItems(kFilterVariable, TextItems(context, id::kFirstVariableName, kVariables));
    SetItems(kField, NumberedItems(context, id::kFieldNumbered, kFields));
    Bind(kEnable, CheckBinding(Field::Whole(At(kEnabled))));
    Bind(kFilterVariable, ListBinding(Field::Whole(At(kVariable))));
    Bind(kField, ListBinding(Field::Whole(At(kFieldValue))));
    Bind(kSuffixCheck, CheckBinding(Field::Whole(At(kSuffix))));
    LoadControls();
}

Locate RemainsDialog::At(Value value) {
    return [this, value] { return &values_[value]; };
}

void RemainsDialog::Update() {
    const bool enabled = values_[kEnabled] != 0;
    Enable(kFilterVariable, enabled);
    Enable(kField, enabled);
    Enable(kSuffixCheck, enabled);
}

bool RemainsDialog::Accept() {
    // Both bytes are written whole: only the fields the dialog shows survive.
    const task::FormView record(form_);
    record.SetFnRemains(key_, f::kRemainsEnabled.With(f::kRemainsField.With(0, values_[kFieldValue]),
                                                      values_[kEnabled] != 0 ? 1u : 0u));
    record.SetFnRemainsFilter(key_, f::kFilterVariable.With(f::kFilterIsSuffix.With(0, values_[kSuffix] != 0 ? 1u : 0u),
                                                            values_[kVariable]));
    return true;
}

}  // namespace editors
