#include "loader/app/page_view.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/qt/qt_text.h"
#include "loader/loader_strings.h"

namespace tarvel {
namespace {

using loader::pages::ControlKind;
using loader::pages::ControlSpec;
using loader::pages::ControlState;

QString TextOf(int textId) { return textId ? qtui::FromCp1251(loader::LoaderText(textId)) : QString(); }

QString Shown(const ControlState& state) {
    return state.isPath ? qtui::FromNativePath(state.text) : qtui::FromCp1251(state.text);
}

QStringList ItemsOf(const QComboBox& list) {
    QStringList items;
    for (int i = 0; i < list.count(); ++i) items << list.itemText(i);
    return items;
}

}  // namespace

PageView::PageView(loader::pages::Page& page, QWidget* parent) : QWidget(parent), page_(page) {
    std::map<int, QGridLayout*> grids;
    grids[loader::pages::kOnPage] = new QGridLayout(this);
    for (const ControlSpec& controlSpec : page_.Controls()) {
        QWidget* widget = Create(controlSpec);
        widget->setProperty("controlId", controlSpec.id);
        if (controlSpec.kind == ControlKind::Group) grids[controlSpec.id] = new QGridLayout(widget);
        grids.at(controlSpec.group)->addWidget(widget, controlSpec.row, controlSpec.column, 1, controlSpec.columnSpan);
        controls_[controlSpec.id] = widget;
    }
    grids[loader::pages::kOnPage]->setRowStretch(grids[loader::pages::kOnPage]->rowCount(), 1);
    // The cradle search runs inside one click; the banner it shows must be
    // drawn before the search blocks the program.
    page_.redraw = [this] {
        Refresh();
        repaint();
    };
    Refresh();
}

PageView::~PageView() { page_.redraw = nullptr; }

QWidget* PageView::Create(const ControlSpec& controlSpec) {
    const QString text = TextOf(controlSpec.textId);
    switch (controlSpec.kind) {
        case ControlKind::Group: return new QGroupBox(text, this);
        case ControlKind::Label: return new QLabel(text, this);
        case ControlKind::Field: {
            auto* field = new QLineEdit(this);
            field->setReadOnly(true);
            field->setMinimumWidth(fontMetrics().averageCharWidth() * 44);
            return field;
        }
        case ControlKind::Button: {
            auto* button = new QPushButton(text, this);
            button->setAutoDefault(false);
            connect(button, &QPushButton::clicked, this, [this, id = controlSpec.id] {
                page_.Click(id);
                Changed();
            });
            return button;
        }
        case ControlKind::List: {
            auto* list = new QComboBox(this);
            connect(list, &QComboBox::activated, this, [this, id = controlSpec.id](int index) {
                page_.Choose(id, index);
                Changed();
            });
            return list;
        }
        case ControlKind::Banner: {
            auto* banner = new QLabel(text, this);
            banner->setAlignment(Qt::AlignCenter);
            QFont font = banner->font();
            font.setBold(true);
            banner->setFont(font);
            // Shown and hidden inside a blocking search: it keeps its room so
            // nothing needs laying out again while the program cannot.
            QSizePolicy policy = banner->sizePolicy();
            policy.setRetainSizeWhenHidden(true);
            banner->setSizePolicy(policy);
            return banner;
        }
    }
    return new QWidget(this);
}

void PageView::Changed() {
    if (!refreshing_) Refresh();
}

void PageView::Refresh() {
    refreshing_ = true;
    for (const ControlSpec& controlSpec : page_.Controls()) {
        QWidget* widget = controls_.at(controlSpec.id);
        if (controlSpec.kind == ControlKind::Field) {
            static_cast<QLineEdit*>(widget)->setText(Shown(page_.State(controlSpec.id)));
        } else if (controlSpec.kind == ControlKind::List) {
            const ControlState state = page_.State(controlSpec.id);
            auto* list = static_cast<QComboBox*>(widget);
            QStringList items;
            for (const std::string& item : state.items) items << qtui::FromCp1251(item);
            if (ItemsOf(*list) != items) {
                list->clear();
                list->addItems(items);
            }
            list->setCurrentIndex(state.selection);
        } else if (controlSpec.kind == ControlKind::Banner) {
            widget->setVisible(page_.State(controlSpec.id).visible);
        }
    }
    refreshing_ = false;
}

}  // namespace tarvel
