#include "designer/editors/qt/key_grid_widget.h"

#include <algorithm>

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "designer/editors/key_codes.h"

namespace editors {
namespace {

constexpr int kCells = kGridSide + 1;  // a header and sixteen codes each way

const QColor kHeaderBackground(224, 224, 224);
const QColor kHeaderText(64, 64, 64);
const QColor kLines(176, 176, 176);
const QColor kHover(220, 232, 255);
const QColor kSelected(0, 0, 255);
const QColor kVariableText(220, 0, 0);
const QColor kSelectedVariableText(255, 96, 96);

int CodeOf(int column, int row) { return kGridSide * column + row; }

}  // namespace

KeyGridWidget::KeyGridWidget(std::function<void(int)> choose, QWidget* parent)
    : QWidget(parent), choose_(std::move(choose)), names_(kKeyCodeCount) {
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void KeyGridWidget::Show(const std::vector<QString>& names, int selected) {
    if (names != names_) {
        names_ = names;
        names_.resize(kKeyCodeCount);
        updateGeometry();
    }
    selected_ = selected;
    update();
}

QString KeyGridWidget::SelectedName() const {
    return selected_ >= 0 && selected_ < kKeyCodeCount ? names_[static_cast<std::size_t>(selected_)] : QString();
}

int KeyGridWidget::CellSide() const {
    const QFontMetrics metrics(font());
    int widest = metrics.horizontalAdvance(QStringLiteral("F0"));
    for (const QString& name : names_) widest = std::max(widest, metrics.horizontalAdvance(name));
    return std::max(widest + metrics.averageCharWidth() * 3 / 2, metrics.height() * 7 / 4);
}

QSize KeyGridWidget::sizeHint() const {
    const int side = CellSide() * kCells + 1;
    return {side, side};
}

QSize KeyGridWidget::minimumSizeHint() const { return sizeHint(); }

int KeyGridWidget::Edge(int index, int length) const { return index * (length - 1) / kCells; }

QRect KeyGridWidget::Cell(int column, int row) const {
    const int left = Edge(column, width());
    const int top = Edge(row, height());
    return QRect(QPoint(left, top), QPoint(Edge(column + 1, width()), Edge(row + 1, height())));
}

QRect KeyGridWidget::CellRect(int code) const { return Cell(code / kGridSide + 1, code % kGridSide + 1); }

int KeyGridWidget::CellIndex(int position, int length) const {
    for (int i = 0; i < kCells; ++i) {
        if (position >= Edge(i, length) && position < Edge(i + 1, length)) return i;
    }
    return -1;
}

int KeyGridWidget::CodeAt(QPoint point) const {
    const int column = CellIndex(point.x(), width());
    const int row = CellIndex(point.y(), height());
    if (column < 1 || row < 1) return -1;
    return CodeOf(column - 1, row - 1);
}

void KeyGridWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    const QFont plain = font();
    QFont header = plain;
    header.setBold(true);

    painter.setFont(header);
    for (int i = 0; i < kCells; ++i) {
        const QRect top = Cell(i, 0);
        const QRect left = Cell(0, i);
        painter.fillRect(top, kHeaderBackground);
        painter.fillRect(left, kHeaderBackground);
        if (i == 0) continue;
        painter.setPen(kHeaderText);
        // Columns carry the high digit, rows the low one.
        painter.drawText(top, Qt::AlignCenter, QStringLiteral("%1").arg((i - 1) * kGridSide, 2, 16, QLatin1Char('0')).toUpper());
        painter.drawText(left, Qt::AlignCenter, QStringLiteral("%1").arg(i - 1, 2, 16, QLatin1Char('0')).toUpper());
    }

    painter.setFont(plain);
    for (int code = 0; code < kKeyCodeCount; ++code) {
        const QRect cell = CellRect(code);
        const bool selected = code == selected_;
        const bool variable = IsVariableKey(code);
        if (selected) {
            painter.fillRect(cell, kSelected);
        } else if (code == hovered_ && IsChoosableKey(code)) {
            painter.fillRect(cell, kHover);
        }
        QColor ink = variable ? kVariableText : palette().color(QPalette::Text);
        if (selected) ink = variable ? kSelectedVariableText : QColor(Qt::white);
        painter.setPen(ink);
        painter.drawText(cell, Qt::AlignCenter, names_[static_cast<std::size_t>(code)]);
    }

    // One-pixel lines on the cells' edges, drawn last so fills never cover them.
    painter.setPen(QPen(kLines, 0));
    for (int i = 0; i <= kCells; ++i) {
        const int x = Edge(i, width());
        const int y = Edge(i, height());
        painter.drawLine(x, 0, x, Edge(kCells, height()));
        painter.drawLine(0, y, Edge(kCells, width()), y);
    }
}

void KeyGridWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const int code = CodeAt(event->position().toPoint());
    if (code >= 0) choose_(code);
}

void KeyGridWidget::mouseMoveEvent(QMouseEvent* event) {
    const int code = CodeAt(event->position().toPoint());
    if (code == hovered_) return;
    hovered_ = code;
    setCursor(IsChoosableKey(code) ? Qt::PointingHandCursor : Qt::ArrowCursor);
    update();
}

void KeyGridWidget::leaveEvent(QEvent*) {
    hovered_ = -1;
    update();
}

bool KeyGridWidget::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const int code = CodeAt(help->pos());
    if (code < 0) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    const QString name = names_[static_cast<std::size_t>(code)];
    QToolTip::showText(help->globalPos(),
                       QStringLiteral("%1  0x%2 = %3").arg(name).arg(code, 2, 16, QLatin1Char('0')).arg(code), this,
                       CellRect(code));
    return true;
}

}  // namespace editors
