#include "designer/editors/qt/dialog_view.h"

#include <algorithm>
#include <map>

#include <QFontMetrics>
#include <QGridLayout>
#include <QLineEdit>

namespace editors {
namespace {

// Room for `chars` characters of the box's font with its frame.
int EditWidth(const QLineEdit& edit, int chars) {
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
    for (const ControlSpec& spec : model.Controls()) {
        const auto container = grids.find(spec.place.group);
        if (container == grids.end()) continue;  // a group must come before what it holds
        QGridLayout* grid = container->second;
        int& next = nextRow[spec.place.group];
        const int row = spec.place.row >= 0 ? spec.place.row : next;
        next = std::max(next, row + 1);
        QWidget* widget = binder_->Create(spec, grid->parentWidget());
        if (spec.kind == ControlKind::Group) {
            auto* inner = new QGridLayout(widget);
            if (model.State(spec.id)->text.empty()) inner->setContentsMargins(0, 0, 0, 0);
            grids[spec.id] = inner;
        }
        if (auto* edit = qobject_cast<QLineEdit*>(widget); edit && spec.place.chars > 0) {
            edit->setMinimumWidth(EditWidth(*edit, spec.place.chars));
        }
        grid->addWidget(widget, row, spec.place.column, 1, spec.place.columnSpan);
        if (spec.place.stretch) grid->setColumnStretch(spec.place.column, 1);
    }
    // What the table leaves over stays below and beside the controls.
    QGridLayout* root = grids.at(0);
    root->setRowStretch(root->rowCount(), 1);
    binder_->Refresh();
}

}  // namespace editors
