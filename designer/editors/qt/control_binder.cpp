#include "designer/editors/qt/control_binder.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "designer/editors/qt/key_code_box.h"
#include "designer/editors/qt/key_grid_widget.h"
#include "designer/editors/qt/readout.h"

namespace editors {
namespace {

void ShowText(QLineEdit& edit, const QString& text) {
    if (edit.text() == text) return;
    // The user goes on typing where the cursor was, or at the end of a text the rule cut.
    const int cursor = edit.cursorPosition();
    edit.setText(text);
    edit.setCursorPosition(std::min(cursor, static_cast<int>(text.size())));
}

void ShowItems(QComboBox& list, const ControlState& state) {
    QStringList items;
    for (const std::string& item : state.items) items.append(QString::fromStdString(item));
    QStringList shown;
    for (int i = 0; i < list.count(); ++i) shown.append(list.itemText(i));
    if (shown != items) {
        list.clear();
        list.addItems(items);
    }
    list.setCurrentIndex(state.selection);
}

// A label's own colour stands for the active window; a disabled label stays the system's grey.
void ShowColor(QLabel& label, const std::optional<Rgb>& color) {
    if (!color) {
        if (label.testAttribute(Qt::WA_SetPalette)) label.setPalette(QPalette());
        return;
    }
    QPalette palette = label.palette();
    const QColor shown(color->red, color->green, color->blue);
    palette.setColor(QPalette::Active, QPalette::WindowText, shown);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, shown);
    label.setPalette(palette);
}

}  // namespace

ControlBinder::ControlBinder(DialogModel& model, std::function<void()> afterEvent, QObject* parent)
    : QObject(parent), model_(model), afterEvent_(std::move(afterEvent)) {}

void ControlBinder::AfterEvent() {
    // Also after a refused event: the widget goes back to what the model shows.
    if (afterEvent_) afterEvent_();
}

QWidget* ControlBinder::Create(const ControlSpec& controlSpec, QWidget* parent) {
    const int id = controlSpec.id;
    QWidget* widget = nullptr;
    switch (controlSpec.kind) {
        case ControlKind::Label:
            widget = new QLabel(parent);
            break;
        case ControlKind::Edit: {
            auto* edit = new QLineEdit(parent);
            connect(edit, &QLineEdit::textEdited, this, [this, id](const QString& text) {
                model_.SetText(id, text.toStdString());
                AfterEvent();
            });
            edit->installEventFilter(this);
            widget = edit;
            break;
        }
        case ControlKind::Combo: {
            auto* list = new QComboBox(parent);
            list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
            connect(list, &QComboBox::activated, this, [this, id](int index) {
                model_.Choose(id, index);
                AfterEvent();
            });
            list->installEventFilter(this);
            widget = list;
            break;
        }
        case ControlKind::Check:
        case ControlKind::Radio:
        case ControlKind::Button: {
            QAbstractButton* button = nullptr;
            if (controlSpec.kind == ControlKind::Check) {
                button = new QCheckBox(parent);
            } else if (controlSpec.kind == ControlKind::Radio) {
                auto* radio = new QRadioButton(parent);
                radio->setAutoExclusive(false);  // the model checks and unchecks a group's buttons
                button = radio;
            } else {
                auto* push = new QPushButton(parent);
                push->setAutoDefault(false);
                button = push;
            }
            connect(button, &QAbstractButton::clicked, this, [this, id] {
                model_.Click(id);
                AfterEvent();
            });
            widget = button;
            break;
        }
        case ControlKind::KeyCodes:
            widget = new KeyCodeBox(
                [this, id] {
                    model_.Click(id);
                    AfterEvent();
                },
                parent);
            break;
        case ControlKind::KeyGrid:
            widget = new KeyGridWidget(
                [this, id](int code) {
                    model_.Choose(id, code);
                    AfterEvent();
                },
                parent);
            break;
        case ControlKind::Readout:
            widget = new Readout(parent);
            break;
        case ControlKind::Group:
            if (model_.State(id)->text.empty()) {
                widget = new QWidget(parent);
            } else {
                widget = new QGroupBox(parent);
            }
            break;
    }
    widget->setProperty("controlId", id);
    widgets_[id] = widget;
    return widget;
}

bool ControlBinder::eventFilter(QObject* watched, QEvent* event) {
    // A list's own drop-down taking the focus is no leaving of the list.
    if (event->type() == QEvent::FocusOut && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        const auto found = std::find_if(widgets_.begin(), widgets_.end(),
                                        [watched](const auto& entry) { return entry.second == watched; });
        if (found != widgets_.end()) {
            model_.FocusOut(found->first);
            AfterEvent();
        }
    }
    return QObject::eventFilter(watched, event);
}

void ControlBinder::Refresh() {
    for (const auto& [id, widget] : widgets_) {
        const ControlState& state = *model_.State(id);
        const QSignalBlocker quiet(widget);
        widget->setEnabled(state.enabled);
        widget->setVisible(state.visible);
        const QString text = QString::fromStdString(state.text);
        if (auto* box = qobject_cast<KeyCodeBox*>(widget)) {
            box->setText(text);
            box->SetGridOpen(state.gridOpen);
        } else if (auto* grid = qobject_cast<KeyGridWidget*>(widget)) {
            std::vector<QString> names;
            for (const std::string& name : state.items) names.push_back(QString::fromStdString(name));
            grid->Show(names, state.selection);
        } else if (auto* readout = qobject_cast<Readout*>(widget)) {
            readout->setText(text);
        } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            ShowText(*edit, text);
        } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
            ShowItems(*list, state);
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            button->setText(text);
            button->setChecked(state.checked);
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            label->setText(text);
            ShowColor(*label, state.color);
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            group->setTitle(text);
        }
    }
}

}  // namespace editors
