#include "designer/shell/transient_note.h"

#include <QFontMetrics>

namespace shell {
namespace {

constexpr int kMargin = 8;
// Where the note stands: over the band between the screen and the keys, as a
// share of the terminal's height, so it sits there at every zoom.
constexpr double kBandCentre = 163.0 / 459.0;

}  // namespace

TransientNote::TransientNote(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("TransientNote"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAlignment(Qt::AlignCenter);
    setStyleSheet(QStringLiteral(
        "background: rgba(16, 20, 16, 220); color: #f2f5ea; border-radius: 6px; padding: 4px 10px;"));
    hideTimer_.setSingleShot(true);
    connect(&hideTimer_, &QTimer::timeout, this, &QWidget::hide);
    hide();
}

void TransientNote::ShowFor(const QString& text) {
    const int room = parentWidget()->width() - 2 * kMargin - 20;
    setText(fontMetrics().elidedText(text, Qt::ElideMiddle, room));
    adjustSize();
    const QWidget* area = parentWidget();
    move((area->width() - width()) / 2, static_cast<int>(area->height() * kBandCentre) - height() / 2);
    show();
    raise();
    hideTimer_.start(kShownMs);
}

}  // namespace shell
