#include "designer/editors/qt/dialog_view.h"

#include <algorithm>
#include <map>
#include <set>
#include <vector>

#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>

namespace editors {
namespace {

// Room for `chars` characters of the box's font with its frame.
int EditWidth(const QWidget& edit, int chars) {
    const QFontMetrics metrics(edit.font());
    const int frame = 2 * metrics.horizontalAdvance(QLatin1Char(' '));
    return metrics.horizontalAdvance(QString(chars, QLatin1Char('M'))) + frame;
}

}  // namespace

DialogView::DialogView(DialogModel& model, std::function<void()> afterEvent, QWidget* parent)
    : QWidget(parent), binder_(new ControlBinder(model, std::move(afterEvent), this)) {
    setObjectName(QString::fromStdString(model.TemplateName()));
    std::map<int, QGridLayout*> grids{{0, new QGridLayout(this)}};
    std::map<int, int> nextRow;  // per container, the row after the last one used
    std::vector<QLabel*> unpaired;  // labels still waiting for the control they name
    std::set<QGridLayout*> stretched;
    for (const ControlSpec& controlSpec : model.Controls()) {
        const auto container = grids.find(controlSpec.place.group);
        if (container == grids.end()) continue;  // a group must come before what it holds
        QGridLayout* grid = container->second;
        int& next = nextRow[controlSpec.place.group];
        const int row = controlSpec.place.row >= 0 ? controlSpec.place.row : next;
        next = std::max(next, row + 1);
        QWidget* widget = binder_->Create(controlSpec, grid->parentWidget());
        // As in a dialog template, a label names the control after it: its
        // "&" marks that control's mnemonic and "&&" shows one ampersand.
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            unpaired.push_back(label);
        } else if (controlSpec.kind != ControlKind::Group) {
            for (QLabel* named : unpaired) named->setBuddy(widget);
            unpaired.clear();
        }
        if (controlSpec.kind == ControlKind::Group) {
            auto* inner = new QGridLayout(widget);
            if (model.State(controlSpec.id)->text.empty()) inner->setContentsMargins(0, 0, 0, 0);
            grids[controlSpec.id] = inner;
        }
        if (controlSpec.place.chars > 0) {
            // A box for a few characters is no wider than they need, unless its column takes what is spare.
            widget->setMinimumWidth(EditWidth(*widget, controlSpec.place.chars));
            if (!controlSpec.place.stretch) widget->setMaximumWidth(widget->minimumWidth());
        }
        Qt::Alignment alignment;
        if (controlSpec.kind == ControlKind::Check || controlSpec.kind == ControlKind::Radio) {
            // A button is as wide as its mark and caption, so a click lands on
            // either; one without a caption stands in the middle of its column.
            widget->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
            if (model.State(controlSpec.id)->text.empty()) alignment = Qt::AlignHCenter;
        }
        grid->addWidget(widget, row, controlSpec.place.column, 1, controlSpec.place.columnSpan, alignment);
        if (controlSpec.place.stretch) {
            grid->setColumnStretch(controlSpec.place.column, 1);
            stretched.insert(grid);
        }
    }
    // Controls that cannot grow stay at their group's top left, not in its
    // middle: a group without a column of its own to widen leaves the room to
    // spare to an empty column after its last, and to an empty row below.
    for (const auto& [id, grid] : grids) {
        if (id == 0) continue;
        if (!stretched.contains(grid)) grid->setColumnStretch(grid->columnCount(), 1);
        grid->setRowStretch(grid->rowCount(), 1);
    }
    // What the table leaves over stays below and beside the controls.
    QGridLayout* root = grids.at(0);
    root->setRowStretch(root->rowCount(), 1);
    binder_->Refresh();
}

}  // namespace editors
