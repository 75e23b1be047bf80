#pragma once
// What the two property dialogs of a form line share: they edit line `line`
// of the Form page's working form, which they back up when they open (their
// Cancel gives it back), and both set the line's fixed output length, its
// alignment and its prefix and suffix key codes.
#include <cstddef>
#include <string>
#include <vector>

#include "designer/editors/dialog_model.h"
#include "designer/task/form_view.h"

namespace editors {

class LineDialog : public DialogModel {
protected:
    // The ids of the controls both dialogs have, which differ between them.
    struct OutputControls {
        int fixedLengthCheck, fixedLength, alignment;
        int prefixCheck, prefixBox, suffixCheck, suffixBox;
    };

    LineDialog(EditorContext& context, std::string templateName, std::vector<ControlSpec> controls,
               task::FormRecord& form, int line, OutputControls output);

    task::FormView Form() const { return task::FormView(form_); }
    int Line() const { return line_; }
    // This line's entry of a per-line array of bytes at `base`.
    Locate LineByte(std::size_t base) const;
    Locate LineSlot(std::size_t base, std::size_t width) const;

    // Opens the output controls, each by its check box, while `open`.
    void EnableOutputControls(bool open);
    // The prefix and suffix the grid left in the boxes, into the line: the
    // dialog's OK.
    void StoreKeyCodes();

private:
    task::FormRecord& form_;
    int line_;
    OutputControls output_;
};

}  // namespace editors
