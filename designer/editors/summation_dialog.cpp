#include "designer/editors/summation_dialog.h"

#include "designer/editors/item_lists.h"
#include "designer/strings/string_ids.h"
#include "designer/task/form_view.h"

namespace editors {
namespace {

namespace f = task::form;
using S = SummationDialog;
using K = ControlKind;
namespace id = strings::id;

constexpr int kFields = 8;

std::vector<ControlSpec> SummationControls() {
    return {
        {9001, K::Label, id::kSummationSourceLabel, {0, 0, 0}},
        {S::kSource, K::Combo, 0, {0, 0, 1, 1, 0, true}},
        {9002, K::Label, id::kSumFieldLabel, {0, 1, 0}},
        {S::kSumField, K::Combo, 0, {0, 1, 1}},
        {S::kMultiplyCheck, K::Check, id::kMultiplyCheck, {0, 2, 0}},
        {S::kMultiplyField, K::Combo, 0, {0, 2, 1}},
    };
}

}  // namespace

SummationDialog::SummationDialog(EditorContext& context, task::FormRecord& form, int key)
    : DialogModel(context, "FormSummation", context.DirectText(id::kSummationTitle), SummationControls()),
      form_(form),
      key_(key) {
    const task::ConstFormView record(form_);
    const Byte summation = record.FnSummation(key_);
    values_[kSourceValue] = record.FnSummationSource(key_);
    values_[kSumValue] = f::kSumField.Of(summation);
    values_[kMultiplier] = f::kMultiplyField.Of(summation);
    values_[kMultiplyOn] = values_[kMultiplier] != 0;

    std::vector<std::string> sources = TextItems(context, id::kFirstLookupFileName, task::kLookupCount);
    sources.push_back(context.Text(id::kDataFileName));
    SetItems(kSource, std::move(sources));
    SetItems(kSumField, NumberedItems(context, id::kFieldNumbered, kFields));
    SetItems(kMultiplyField, NumberedItems(context, id::kFieldNumbered, kFields));
    Bind(kSource, ListBinding(Field::Whole(At(kSourceValue))));
    Bind(kSumField, ListBinding(Field::Whole(At(kSumValue))));
    Bind(kMultiplyCheck, CheckBinding(Field::Whole(At(kMultiplyOn))));
    Bind(kMultiplyField, ListBinding(Field::Whole(At(kMultiplier)), 1));
    LoadControls();
}

Locate SummationDialog::At(Value value) {
    return [this, value] { return &values_[value]; };
}

void SummationDialog::OnClicked(int id) {
    // A checked box always names a field to multiply by: the first until another is chosen.
    if (id == kMultiplyCheck && values_[kMultiplyOn] != 0 && values_[kMultiplier] == 0) values_[kMultiplier] = 1;
}

void SummationDialog::Update() { Enable(kMultiplyField, values_[kMultiplyOn] != 0); }

bool SummationDialog::Accept() {
    const task::FormView record(form_);
    record.SetFnSummationSource(key_, values_[kSourceValue]);
    const Byte multiplier = values_[kMultiplyOn] != 0 ? values_[kMultiplier] : 0;
    record.SetFnSummation(key_, f::kMultiplyField.With(f::kSumField.With(0, values_[kSumValue]), multiplier));
    return true;
}

}  // namespace editors
