#pragma once
// How rows of the barcode table become controls, for the Barcode page and
// its dialogs alike: the field a row stands for, the binding of its check
// box, radio button or list, the items of its list, and the controls of a
// dialog laid out one row under the other.
#include <memory>
#include <string>
#include <vector>

#include "designer/editors/barcode_fields.h"
#include "designer/editors/binding.h"
#include "designer/editors/control.h"
#include "designer/editors/editor_context.h"

namespace editors::barcode {

// The field of `row` in `model`, which must outlive it.
Field FieldIn(task::TaskModel& model, const FieldRow& row);

// The binding of a check box or a list; of a radio group's button `choice`.
// Null for the controls whose rules their page or dialog gives.
std::unique_ptr<Binding> RowBinding(const FieldRow& row, Field field, std::size_t choice = 0);

// The items of a list.
std::vector<std::string> ListItems(EditorContext& context, const Items& items);

// The controls of `editor`'s rows, one row under the other: a check box, a
// framed radio group, a label beside its box or list, the labelled key-code
// boxes in two columns; then `buttons` side by side. Labels and groups are
// numbered from kFirstUnnumberedId; a label comes just before its control.
std::vector<ControlSpec> DialogControls(Editor editor, std::vector<ControlSpec> buttons = {});

}  // namespace editors::barcode
