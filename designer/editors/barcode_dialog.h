#pragma once
// A dialog of the Barcode page, built from the rows of the barcode table
// (barcode_fields.h) that name it: a check box, a radio group, a list, or a
// labelled box per row, one under the other. It edits a copy of the task's
// blocks. Its OK writes the fields of its rows into the task at once, so
// they stay whatever the sheet's OK or Cancel does later, and marks the task
// modified; its Cancel writes nothing.
//
// Most symbology dialogs are this class alone; those with rules of their own
// (lengths, the EAN128 replacement character, weight codes, code IDs) derive
// from it and bind their boxes themselves.
#include "designer/editors/barcode_fields.h"
#include "designer/editors/dialog_model.h"

namespace editors {

class BarcodeDialog : public DialogModel {
public:
    // Shows the copy's values; a derived dialog binds its boxes and loads them again.
    BarcodeDialog(EditorContext& context, barcode::Editor editor);

protected:
    // A dialog with a row of buttons of its own under the table's controls.
    BarcodeDialog(EditorContext& context, barcode::Editor editor, std::vector<ControlSpec> buttons);

    // The dialog's copy of the task's blocks.
    task::TaskModel& Working() { return working_; }
    // Where the field of a row of this dialog is in the copy.
    Locate At(const barcode::FieldRow& row);
    Field FieldOf(const barcode::FieldRow& row);
    const barcode::FieldRow& Row(int id) const;
    // The label before a box or a list.
    int LabelOf(int id) const;

    // The corrections only OK makes, before the fields are written.
    virtual void BeforeWrite() {}

private:
    bool Accept() final;
    void BindTableControls();

    barcode::Editor editor_;
    task::TaskModel working_;
};

}  // namespace editors
