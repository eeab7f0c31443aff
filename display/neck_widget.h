#pragma once
// The neck picture `Image2`: the classic or electric neck and, once a voicing is selected, its
// marks. 625 x 89; the picture fills the top 85 rows.
#include <QWidget>
#include <optional>

#include "music/fretboard.h"
#include "music/fretting.h"

namespace tambrel {

class NeckView : public QWidget {
    Q_OBJECT
  public:
    explicit NeckView(QWidget* parent = nullptr);

    // The neck to show, and the voicing on it (none: the bare neck).
    void showNeck(bool electric, std::optional<Fretting> voicing);

    bool electric() const { return electric_; }
    const std::optional<Fretting>& voicing() const { return voicing_; }

  signals:
    // A mouse button was released at (x, y) in picture pixels, any button.
    void released(int x, int y);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool electric_ = false;
    std::optional<Fretting> voicing_;
};

} // namespace tambrel
