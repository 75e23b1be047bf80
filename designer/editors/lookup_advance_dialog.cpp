#include "designer/editors/lookup_advance_dialog.h"

#include "designer/strings/string_ids.h"

namespace editors {
namespace {

using L = LookupAdvanceDialog;
using K = ControlKind;
namespace id = strings::id;

std::vector<ControlSpec> LookupAdvanceControls() {
    return {
        {L::kSaveDataCheck, K::Check, id::kSaveFieldDataCheck, {0, 0, 0, 3}},
        {L::kFixedLengthCheck, K::Check, id::kFixedLengthCheck, {0, 1, 0}},
        {L::kFixedLength, K::Edit, 0, {0, 1, 1, 1, 3}},
        {L::kAlignment, K::Combo, 0, {0, 1, 2, 1, 0, true}},
        {L::kPrefixCheck, K::Check, id::kAddPrefixCheck, {0, 2, 0}},
        {L::kPrefix, K::KeyCodes, 0, {0, 2, 1, 2, 24}},
        {L::kSuffixCheck, K::Check, id::kAddSuffixCheck, {0, 3, 0}},
        {L::kSuffix, K::KeyCodes, 0, {0, 3, 1, 2, 24}},
    };
}

}  // namespace

LookupAdvanceDialog::LookupAdvanceDialog(EditorContext& context, task::FormRecord& form, int line)
    : LineDialog(context, "LookupAdvanceDlg", LookupAdvanceControls(), form, line,
                 {kFixedLengthCheck, kFixedLength, kAlignment, kPrefixCheck, kPrefix, kSuffixCheck, kSuffix}) {
    // For a lookup line the initial-value flag says whether the field's data is saved.
    Bind(kSaveDataCheck, CheckBinding(Field::Whole(LineByte(task::form::kHasInitialValue))));
    LoadControls();
}

void LookupAdvanceDialog::Update() { EnableOutputControls(Form().HasInitialValue(Line()) != 0); }

bool LookupAdvanceDialog::Accept() {
    // A lookup line shows the field it found, never an input mark.
    Form().SetInputMark(Line(), 0);
    StoreKeyCodes();
    return true;
}

}  // namespace editors
