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

    // An earlier page of the sheet has just committed. A page whose working
    // copy holds bytes that the earlier commit wrote into the task takes them
    // over here, so that its own commit does not write back what it loaded
    // before: the Lookup page numbers the calculator entry after the lookups,
    // and the Startup page keeps a working copy of that entry.
    virtual void EarlierPageCommitted(const PageModel& /*page*/) {}

protected:
    using DialogModel::DialogModel;
};

}  // namespace editors
