#pragma once
// What a chord diagram or the neck view is drawn with: named artwork pictures placed at a
// point, and text. The window paints through Qt; tests record the calls.
#include <algorithm>
#include <cmath>
#include <string>

#include "assets/artwork_names.h"

namespace tambrel {

// Where a text `width` units wide that would start at x starts instead so that a unit of white
// stays between it and `right`: what drawTextLeftOf does with the width its painter measures.
inline int leftClearOf(double width, int x, int right) {
    return std::min(x, right - 1 - static_cast<int>(std::ceil(width)));
}

class DiagramPainter {
  public:
    virtual ~DiagramPainter() = default;
    // Top-left corner of the picture at (x, y).
    virtual void drawArtwork(Artwork artwork, int x, int y) = 0;
    // Top-left corner of the text at (x, y).
    virtual void drawText(const std::string& text, int x, int y) = 0;
    // A finger mark that carries a short label (a note name, an interval) in place of a
    // finger number, where the 9 x 9 finger mark with its top-left corner at (x, y) would be.
    virtual void drawLabelledMark(const std::string& label, int x, int y) { drawText(label, x, y); }
    // A short label under the 6 x 6 mark of a string with its top-left corner at (x, y): the
    // note of an open string.
    virtual void drawStringCaption(const std::string& label, int x, int y) {
        drawText(label, x, y + 8);
    }
    // The same text, moved left where it would otherwise reach x = `right`, so that a wider
    // text stays clear of what is drawn from there on. A painter that measures no text draws
    // it at (x, y).
    virtual void drawTextLeftOf(const std::string& text, int x, int y, int right) {
        static_cast<void>(right);
        drawText(text, x, y);
    }
};

} // namespace tambrel
