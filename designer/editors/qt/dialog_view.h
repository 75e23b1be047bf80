#pragma once
// The widgets of a page or dialog, laid out from its control table: each
// container (the view itself and every group) is a grid, each control sits
// in the cell its table gives it. Pages and dialogs get a working view from
// their table alone.
#include <functional>

#include <QWidget>

#include "designer/editors/qt/control_binder.h"

namespace editors {

class DialogView final : public QWidget {
public:
    DialogView(DialogModel& model, std::function<void()> afterEvent, QWidget* parent = nullptr);

    void Refresh() { binder_->Refresh(); }

private:
    ControlBinder* binder_;
};

}  // namespace editors
