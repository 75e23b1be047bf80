#pragma once
// The crossing between a dialog model and its widgets: makes the widget of a
// control, tags it with the control's id (the Qt property `controlId`),
// hands what the user does to the model and, after every event, shows the
// model's state again. Writing the state back never counts as an edit: the
// binder listens only to the user's signals (textEdited, activated, clicked).
#include <functional>
#include <map>

#include <QObject>

#include "designer/editors/dialog_model.h"

class QWidget;

namespace editors {

class ControlBinder final : public QObject {
public:
    // `afterEvent` runs after every event the model was given: the owner
    // refreshes what it shows and opens the dialogs the event opened.
    ControlBinder(DialogModel& model, std::function<void()> afterEvent, QObject* parent = nullptr);

    // The widget of a control (a group's too), owned by `parent`.
    QWidget* Create(const ControlSpec& controlSpec, QWidget* parent);

    // Every widget shows its control's state.
    void Refresh();

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void AfterEvent();

    DialogModel& model_;
    std::function<void()> afterEvent_;
    std::map<int, QWidget*> widgets_;
};

}  // namespace editors
