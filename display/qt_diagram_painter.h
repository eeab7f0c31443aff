#pragma once
// DiagramPainter on a QPainter: the artwork is painted as vectors, so diagrams and the neck stay
// sharp at any screen scale.
#include <QFont>
#include <QFontMetrics>

#include "diagram_painter.h"

class QPainter;

namespace tambrel {

class QtDiagramPainter : public DiagramPainter {
  public:
    explicit QtDiagramPainter(QPainter& painter);

    void drawArtwork(Artwork artwork, int x, int y) override;
    // Black text on a white box, top-left corner at (x, y). Leaves the painter's font and pen set.
    void drawText(const std::string& text, int x, int y) override;

    // The small font of the base-fret numbers.
    static QFont textFont();

  private:
    QPainter& painter_;
    QFont font_;
    QFontMetrics metrics_;
};

} // namespace tambrel
