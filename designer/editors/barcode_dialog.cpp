#include "designer/editors/barcode_dialog.h"

#include <cassert>

#include "designer/editors/barcode_controls.h"

namespace editors {

namespace {

std::string TitleOf(EditorContext& context, barcode::Editor editor) {
    return context.DirectText(barcode::DialogOf(editor)->titleId);
}

}  // namespace

BarcodeDialog::BarcodeDialog(EditorContext& context, barcode::Editor editor)
    : BarcodeDialog(context, editor, {}) {}

BarcodeDialog::BarcodeDialog(EditorContext& context, barcode::Editor editor, std::vector<ControlSpec> buttons)
    : DialogModel(context, std::string(barcode::DialogOf(editor)->templateName), TitleOf(context, editor),
                  barcode::DialogControls(editor, std::move(buttons))),
      editor_(editor),
      working_(context.Live()) {
    BindTableControls();
    LoadControls();
}

Locate BarcodeDialog::At(const barcode::FieldRow& row) {
    return [this, &row] { return barcode::FieldBytes(working_, row); };
}

Field BarcodeDialog::FieldOf(const barcode::FieldRow& row) { return barcode::FieldIn(working_, row); }

const barcode::FieldRow& BarcodeDialog::Row(int id) const {
    const barcode::FieldRow* row = barcode::RowOf(editor_, id);
    assert(row);  // a dialog names only the controls of its own rows
    return *row;
}

int BarcodeDialog::LabelOf(int id) const {
    const std::vector<ControlSpec>& controlSpecs = Controls();
    for (std::size_t i = 1; i < controlSpecs.size(); ++i) {
        if (controlSpecs[i].id == id) return controlSpecs[i - 1].id;
    }
    return 0;
}

void BarcodeDialog::BindTableControls() {
    for (const barcode::FieldRow& row : barcode::Fields()) {
        if (row.editor != editor_) continue;
        if (row.control == barcode::ControlType::List) SetItems(row.id, barcode::ListItems(Context(), row.items));
        const std::size_t controls = row.control == barcode::ControlType::Radios ? row.choices.size() : 1;
        for (std::size_t i = 0; i < controls; ++i) {
            if (auto binding = barcode::RowBinding(row, FieldOf(row), i)) {
                Bind(row.id + static_cast<int>(i), std::move(binding));
            }
        }
    }
}

bool BarcodeDialog::Accept() {
    BeforeWrite();
    Context().WriteLive([this](task::TaskModel& live) { barcode::CopyFields(editor_, working_, live); });
    return true;
}

}  // namespace editors
