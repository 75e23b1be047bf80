#include "common/qt/upload_counter_widget.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "common/qt/qt_text.h"

namespace qtui {
namespace {

constexpr int kExtraWidth = 20;
constexpr int kHeight = 40;

}  // namespace

UploadCounterWidget::UploadCounterWidget()
    : box_(new QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)) {
    box_->setObjectName(QStringLiteral("UploadCounter"));
    box_->setAlignment(Qt::AlignCenter);
    box_->setAutoFillBackground(true);
    QPalette palette = box_->palette();
    palette.setColor(QPalette::Window, QColor(255, 255, 100));
    palette.setColor(QPalette::WindowText, Qt::black);
    box_->setPalette(palette);
}

UploadCounterWidget::~UploadCounterWidget() { delete box_; }

void UploadCounterWidget::Show(const std::string& text) {
    if (!box_) return;
    const QString shown = FromCp1251(text);
    box_->setText(shown);
    const int width = QFontMetrics(box_->font()).horizontalAdvance(shown) + kExtraWidth;
    box_->resize(width, kHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QPoint centre = screen->geometry().center();
        box_->move(centre.x() - width / 2, centre.y() - kHeight / 2);
    }
    box_->show();
    box_->raise();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace qtui
