#include "designer/editors/dialog_stack.h"

namespace editors {

void DialogStack::Open(std::unique_ptr<DialogModel> dialog, DialogModel& owner) {
    open_.push_back({std::move(dialog), &owner});
}

void DialogStack::Ok() {
    if (!open_.empty() && open_.back().dialog->Ok()) CloseNewest(true);
}

void DialogStack::Cancel() {
    if (open_.empty()) return;
    open_.back().dialog->Cancel();
    CloseNewest(false);
}

void DialogStack::CloseNewest(bool accepted) {
    Entry closed = std::move(open_.back());
    open_.pop_back();
    closed.owner->SubDialogClosed(*closed.dialog, accepted);
}

}  // namespace editors
