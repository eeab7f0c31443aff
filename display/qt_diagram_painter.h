#pragma once
// DiagramPainter on a QPainter: the artwork is painted as vectors, so diagrams and the neck stay
// sharp at any screen scale.
#include <QFont>
#include <QFontMetrics>

#include "display/diagram_painter.h"

class QPainter;

namespace tambrel {

// How the artwork reaches the painter's device.
enum class ArtworkDrawing {
    // From pixmaps made once for the device's pixel scale (when the painter only moves and
    // scales evenly): fast on screens and images.
    Cached,
    // Always as vectors: for SVG and PDF, which keep them as shapes at any size.
    Vectors,
};

class QtDiagramPainter : public DiagramPainter {
  public:
    explicit QtDiagramPainter(QPainter& painter, ArtworkDrawing drawing = ArtworkDrawing::Cached);

    void drawArtwork(Artwork artwork, int x, int y) override;
    // Black text on a white box, top-left corner at (x, y). Leaves the painter's font and pen set.
    void drawText(const std::string& text, int x, int y) override;
    void drawLabelledMark(const std::string& label, int x, int y) override;
    void drawStringCaption(const std::string& label, int x, int y) override;
    // Keeps a pixel of white between the text and `right`, at every device pixel ratio.
    void drawTextLeftOf(const std::string& text, int x, int y, int right) override;
    // Where drawTextLeftOf puts the left edge of `text`, for every painter of the same diagrams.
    static int textLeftOf(const std::string& text, int x, int right);

    // The small font of the base-fret numbers.
    static QFont textFont();

  protected:
    QPainter& painter() { return painter_; }

  private:
    // The device pixels per unit to make pixmaps for, or 0 to paint the vectors.
    qreal pixmapScale() const;

    QPainter& painter_;
    ArtworkDrawing drawing_;
    QFont font_;
    QFontMetrics metrics_;
};

} // namespace tambrel
