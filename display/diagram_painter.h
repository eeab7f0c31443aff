#pragma once
// What a chord diagram or the neck view is drawn with: named artwork pictures placed at a
// point, and text. The window paints through Qt; tests record the calls.
#include <string>

#include "artwork_names.h"

namespace tambrel {

class DiagramPainter {
  public:
    virtual ~DiagramPainter() = default;
    // Top-left corner of the picture at (x, y).
    virtual void drawArtwork(Artwork artwork, int x, int y) = 0;
    // Top-left corner of the text at (x, y).
    virtual void drawText(const std::string& text, int x, int y) = 0;
};

} // namespace tambrel
