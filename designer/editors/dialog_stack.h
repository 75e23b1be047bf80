#pragma once
// The sub-dialogs open over the property sheet, newest last. A button of a
// page or dialog opens one; it is the dialog the user works in until its OK
// or Cancel, and then the dialog that opened it hears how it closed and
// shows its record again.
#include <memory>
#include <vector>

#include "designer/editors/dialog_model.h"

namespace editors {

class DialogStack final : public DialogHost {
public:
    void Open(std::unique_ptr<DialogModel> dialog, DialogModel& owner) override;

    std::size_t Count() const { return open_.size(); }
    // The first opened is at depth 0.
    DialogModel& At(std::size_t depth) const { return *open_[depth].dialog; }
    DialogModel* Newest() const { return open_.empty() ? nullptr : open_.back().dialog.get(); }

    // OK of the newest dialog; it closes unless it keeps itself open.
    void Ok();
    // Cancel of the newest dialog: it closes, its backups restored.
    void Cancel();

private:
    struct Entry {
        std::unique_ptr<DialogModel> dialog;
        DialogModel* owner;
    };
    void CloseNewest(bool accepted);

    std::vector<Entry> open_;
};

}  // namespace editors
