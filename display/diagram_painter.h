#pragma once
// What a chord diagram or the neck view is drawn with: named artwork pictures placed at a
// point, and text. The window paints through Qt; tests record the calls.
#include <string>
#include <string_view>

namespace tambrel {

enum class Artwork {
    braco,  // 56 x 83 fretboard grid, normal style
    braco2, // 56 x 83 fretboard grid, highlighted style
    dedo1,  // 9 x 9 finger marks 1..4
    dedo2,
    dedo3,
    dedo4,
    dedo6,              // 15 x 4 one segment of a barre bar
    omin1,              // 6 x 6 filled dot: the lowest sounding string
    omin2,              // 6 x 6 ring: any other sounding string
    x,                  // 6 x 6 cross: muted string
    ImageBracoEletrico, // 625 x 85 classic neck
    Image5,             // 625 x 85 electric neck
    d0,                 // 12 x 12 open-string ball on the neck
    d1,                 // 13 x 12 finger balls 1..4 on the neck
    d2,
    d3,
    d4,
};

std::string_view artworkName(Artwork artwork);

class DiagramPainter {
  public:
    virtual ~DiagramPainter() = default;
    // Top-left corner of the picture at (x, y).
    virtual void drawArtwork(Artwork artwork, int x, int y) = 0;
    // Top-left corner of the text at (x, y).
    virtual void drawText(const std::string& text, int x, int y) = 0;
};

} // namespace tambrel
