#include "app/banner_picture.h"

#include <QPainter>

namespace tambrel {

BannerPicture::BannerPicture(Banner banner, QWidget* parent) : QWidget(parent), banner_(banner) {
    setFixedSize(bannerSize(banner));
}

void BannerPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintBanner(painter, banner_, QPoint(0, 0));
}

} // namespace tambrel
