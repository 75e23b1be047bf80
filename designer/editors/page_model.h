#pragma once
// A page of the property sheet: a dialog model that keeps a working copy of
// the blocks it edits, loaded from the task when the page is first shown in
// an opening of the sheet, and written back by Commit on the sheet's OK.
#include "designer/editors/dialog_model.h"

namespace editors {

class PageModel : public DialogModel {
public:
    // The sheet's OK: the working copy, with the page's own derivations, into
    // the live task. Only pages shown during this opening are committed, in
    // page order. A page never writes bytes another page or a dialog owns.
    virtual void Commit() = 0;

protected:
    using DialogModel::DialogModel;
};

}  // namespace editors
