#pragma once
// A banner picture, painted as vectors at its logical size.
#include <QWidget>

#include "assets/artwork.h"

namespace tambrel {

class BannerPicture : public QWidget {
  public:
    explicit BannerPicture(Banner banner, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Banner banner_;
};

} // namespace tambrel
