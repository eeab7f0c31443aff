#pragma once
// A panel that scrolls its content sideways only where the window is too narrow for it, as on a
// small screen at a large scale factor; where there is room it is the content alone.
#include <QScrollArea>

namespace tambrel {

class SideScrollPanel : public QScrollArea {
  public:
    explicit SideScrollPanel(QWidget* content, QWidget* parent = nullptr);

    // As big as the content wants; as narrow as a scroll bar allows, never lower than the
    // content, and taller by the scroll bar while it scrolls, so that the bar covers nothing.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QSize contentMinimum() const;
    bool scrolls_ = false;
};

} // namespace tambrel
