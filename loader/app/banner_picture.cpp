#include "loader/app/banner_picture.h"

#include <cstddef>

#include <QByteArray>
#include <QPainter>

extern const unsigned char kTarvelBanner[];
extern const std::size_t kTarvelBanner_size;

namespace tarvel {

BannerPicture::BannerPicture(QWidget* parent) : QWidget(parent) {
    renderer_.load(QByteArray(reinterpret_cast<const char*>(kTarvelBanner), static_cast<qsizetype>(kTarvelBanner_size)));
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

QSize BannerPicture::sizeHint() const { return renderer_.defaultSize(); }

int BannerPicture::heightForWidth(int width) const {
    const QSize art = renderer_.defaultSize();
    return art.isEmpty() ? 0 : width * art.height() / art.width();
}

void BannerPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer_.render(&painter, QRectF(rect()));
}

}  // namespace tarvel
