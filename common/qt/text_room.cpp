#include "common/qt/text_room.h"

#include <algorithm>

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

namespace qtui {
namespace {

// Title bars draw the caption in a bold face, with an icon and three buttons
// beside it, each about as wide as the bar is high, and some padding.
constexpr int kTitleBarButtons = 8;

}  // namespace

int CaptionRoom(const QString& caption) {
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(caption) + kTitleBarButtons * metrics.height();
}

int ButtonRoom(const QString& text) {
    const QFontMetrics metrics(QApplication::font("QPushButton"));
    QString shown = text;
    shown.remove(QLatin1Char('&'));  // a shortcut mark takes no room
    return metrics.horizontalAdvance(shown) + 2 * metrics.height();
}

void MakeRoomForTexts(QDialog& dialog) {
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        button->setMinimumWidth(std::max(button->minimumWidth(), ButtonRoom(button->text())));
    }
    const int room = CaptionRoom(dialog.windowTitle());
    // A message box fixes its own size from its layout's minimum each time it
    // is shown; a spacer is the one way to make that minimum wider.
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
        if (auto* grid = qobject_cast<QGridLayout*>(box->layout())) {
            grid->addItem(new QSpacerItem(room, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0,
                          1, grid->columnCount());
            return;
        }
    }
    dialog.setMinimumWidth(std::max(dialog.minimumWidth(), room));
}

}  // namespace qtui
