#include "designer/editors/ui_tests/script_replay.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "designer/editors/key_codes.h"
#include "designer/editors/qt/key_code_box.h"
#include "designer/editors/qt/key_grid_widget.h"
#include "designer/editors/qt/readout.h"

namespace editors::testing {
namespace {

using Kind = ScriptAction::Kind;
using Check = ScriptAction::Check;

constexpr char kSheetName[] = "PropertySheet";

QDialog* NewestDialog() { return qobject_cast<QDialog*>(QApplication::activeModalWidget()); }

// Where the user works now: the newest sub-dialog, or the sheet's current page.
struct Scope {
    QDialog* dialog = nullptr;
    QWidget* controls = nullptr;  // the page or the dialog
    std::string name;             // its template name
    bool isSheet = false;
};

Scope CurrentScope() {
    Scope scope;
    scope.dialog = NewestDialog();
    if (!scope.dialog) return scope;
    scope.isSheet = scope.dialog->objectName() == kSheetName;
    scope.controls = scope.dialog;
    if (scope.isSheet) scope.controls = scope.dialog->findChild<QTabWidget*>()->currentWidget();
    scope.name = scope.controls->objectName().toStdString();
    return scope;
}

QWidget* FindControl(QWidget* within, int id) {
    for (QWidget* child : within->findChildren<QWidget*>()) {
        if (child->property("controlId").toInt() == id) return child;
    }
    return nullptr;
}

std::string Control(int id) { return "control " + std::to_string(id); }

std::string Shown(QWidget* widget) {
    if (auto* grid = qobject_cast<KeyGridWidget*>(widget)) return grid->SelectedName().toStdString();
    if (auto* readout = qobject_cast<Readout*>(widget)) return readout->text().toStdString();
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text().toStdString();
    if (auto* list = qobject_cast<QComboBox*>(widget)) return list->currentText().toStdString();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text().toStdString();
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text().toStdString();
    if (auto* group = qobject_cast<QGroupBox*>(widget)) return group->title().toStdString();
    return {};
}

std::optional<std::string> Expect(QWidget* widget, const ScriptAction& action) {
    const std::string control = Control(action.id);
    auto* button = qobject_cast<QAbstractButton*>(widget);
    switch (action.check) {
        case Check::Enabled:
            if (!widget->isEnabled()) return control + " is disabled";
            break;
        case Check::Disabled:
            if (widget->isEnabled()) return control + " is enabled";
            break;
        case Check::Checked:
            if (!button || !button->isChecked()) return control + " is not checked";
            break;
        case Check::Unchecked:
            if (button && button->isChecked()) return control + " is checked";
            break;
        case Check::Text:
            if (Shown(widget) != action.text) {
                return control + " shows \"" + Shown(widget) + "\", not \"" + action.text + "\"";
            }
            break;
        case Check::Item: {
            auto* list = qobject_cast<QComboBox*>(widget);
            auto* grid = qobject_cast<KeyGridWidget*>(widget);
            const int selected = list ? list->currentIndex() : grid ? grid->Selected() : -1;
            if (selected != action.number) {
                return control + " has item " + std::to_string(selected) + " selected, not " +
                       std::to_string(action.number);
            }
            break;
        }
    }
    return std::nullopt;
}

// A check box or radio button wider than its caption takes a click on its
// mark and caption only: the user clicks the mark. Anything else in its middle.
QPoint WhereToClick(const QWidget& widget) {
    if (qobject_cast<const QCheckBox*>(&widget) || qobject_cast<const QRadioButton*>(&widget)) {
        return QPoint(std::min(widget.height() / 2 + 1, widget.width() / 2), widget.height() / 2);
    }
    return widget.rect().center();
}

// The user opens the list, walks to the item with the arrow keys and takes it with Enter.
void ChooseItem(QComboBox& list, int index) {
    list.showPopup();
    QAbstractItemView* view = list.view();
    QTest::keyClick(view, Qt::Key_Home);
    for (int i = 0; i < index; ++i) QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Return);
}

void TakeFocusAway(QWidget& widget) {
    QFocusEvent event(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&widget, &event);
}

std::optional<std::string> ShowPage(const Scope& scope, const std::string& name) {
    if (!scope.isSheet) return "the dialog " + scope.name + " is open";
    auto* tabs = scope.dialog->findChild<QTabWidget*>();
    for (int i = 0; i < tabs->count(); ++i) {
        if (tabs->widget(i)->objectName().toStdString() == name) {
            QTabBar* bar = tabs->tabBar();
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(i).center());
            return std::nullopt;
        }
    }
    return "there is no page " + name;
}

// The user clicks the cell of `code` in the grid dialog's table.
std::optional<std::string> ClickCell(const Scope& scope, int code) {
    auto* grid = scope.controls->findChild<KeyGridWidget*>();
    if (!grid) return "there is no grid in " + scope.name;
    if (code >= kKeyCodeCount) return "there is no key code " + std::to_string(code) + " in the grid";
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(code).center());
    return std::nullopt;
}

std::optional<std::string> Perform(const ScriptAction& action, ScriptUi& ui) {
    if (action.kind == Kind::File) {
        ui.AnswerNextFileChooser(action.text);
        return std::nullopt;
    }
    const Scope scope = CurrentScope();
    if (!scope.dialog) return "the property sheet is closed";
    if (action.kind == Kind::Page) return ShowPage(scope, action.text);
    if (action.kind == Kind::Grid) return ClickCell(scope, action.number);
    const bool okOrCancel = action.kind == Kind::Ok || action.kind == Kind::Cancel ||
                            (action.kind == Kind::Click && !scope.isSheet && (action.id == 1 || action.id == 2));
    if (okOrCancel) {
        const int id = action.kind == Kind::Click ? action.id : action.kind == Kind::Ok ? 1 : 2;
        auto* button = qobject_cast<QAbstractButton*>(FindControl(scope.dialog, id));
        if (!button) return "the window " + scope.name + " has no button " + std::to_string(id);
        QTest::mouseClick(button, Qt::LeftButton);
        return std::nullopt;
    }

    QWidget* widget = FindControl(scope.controls, action.id);
    const std::string where = " in " + scope.name;
    if (!widget) return "there is no " + Control(action.id) + where;
    if (action.kind == Kind::Expect) return Expect(widget, action);
    if (!widget->isEnabled() || !widget->isVisibleTo(scope.dialog)) return Control(action.id) + " is disabled" + where;
    const std::string wrongKind = Control(action.id) + " does not take that action" + where;
    switch (action.kind) {
        case Kind::Set: {
            auto* edit = qobject_cast<QLineEdit*>(widget);
            if (!edit || edit->isReadOnly()) return wrongKind;
            edit->selectAll();
            edit->insert(QString::fromStdString(action.text));  // one change, as a paste
            break;
        }
        case Kind::Choose: {
            auto* list = qobject_cast<QComboBox*>(widget);
            if (!list) return wrongKind;
            if (action.number >= list->count()) return Control(action.id) + " has no such item" + where;
            ChooseItem(*list, action.number);
            break;
        }
        case Kind::Click: {
            if (!qobject_cast<QAbstractButton*>(widget) && !qobject_cast<KeyCodeBox*>(widget)) return wrongKind;
            QTest::mouseClick(widget, Qt::LeftButton, {}, WhereToClick(*widget));
            break;
        }
        case Kind::FocusOut: TakeFocusAway(*widget); break;
        default: break;
    }
    return std::nullopt;
}

// Steps through the actions from the event loop, so an action that opens a
// modal dialog does not block the next: that one runs in the dialog's loop.
class Replay final : public QObject {
public:
    Replay(const std::vector<ScriptAction>& actions, ScriptUi& ui) : actions_(actions), ui_(ui) {
        // A replay that stalls (a window nobody closes) fails instead of hanging.
        watchdog_.setSingleShot(true);
        connect(&watchdog_, &QTimer::timeout, this, [this] {
            if (!failure_) failure_ = ScriptError{0, "the replay stalled"};
            CloseEverything();
        });
        watchdog_.start(10'000);
    }

    void Step() {
        if (failure_ || next_ == actions_.size()) {
            CloseEverything();
            return;
        }
        if (!NewestDialog()) return;  // the sheet has closed; what is left is judged afterwards
        const ScriptAction& action = actions_[next_++];
        QTimer::singleShot(0, this, &Replay::Step);
        if (std::optional<std::string> failure = Perform(action, ui_)) failure_ = ScriptError{action.line, *failure};
    }

    // After the sheet has closed: an action left over finds it closed.
    std::optional<ScriptError> Result() {
        while (!failure_ && next_ < actions_.size()) {
            const ScriptAction& action = actions_[next_++];
            if (action.kind != Kind::File) failure_ = ScriptError{action.line, "the property sheet is closed"};
        }
        return failure_;
    }

private:
    void CloseEverything() {
        if (QDialog* dialog = NewestDialog()) {
            dialog->reject();
            QTimer::singleShot(0, this, &Replay::CloseEverything);
        }
    }

    const std::vector<ScriptAction>& actions_;
    ScriptUi& ui_;
    std::size_t next_ = 0;
    std::optional<ScriptError> failure_;
    QTimer watchdog_;
};

}  // namespace

std::optional<ScriptError> ReplayScript(const std::vector<ScriptAction>& actions, ScriptUi& ui,
                                        const std::function<void()>& runSheet) {
    Replay replay(actions, ui);
    QTimer::singleShot(0, &replay, &Replay::Step);
    runSheet();
    return replay.Result();
}

}  // namespace editors::testing
