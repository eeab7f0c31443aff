#pragma once
// A voicing on the picture of the whole neck: a ball at the nut for each open string and a
// numbered ball behind the fret of each fretted string, the barre's number on every string it
// crosses. Never mirrored.
#include <array>
#include <optional>

#include "display/diagram_painter.h"
#include "music/fretboard.h"
#include "music/fretting.h"

namespace tambrel {

// x reference of frets 0..25 on the neck picture; a finger mark for fret f has its left edge
// at neckFretX()[f] - 10, just behind the fret wire.
const std::array<int, 26>& neckFretX();

// Paints the neck picture (electric or classic) at (0, 0), covering any earlier voicing, then
// the marks of `frets`.
void showOnNeck(DiagramPainter& painter, const Fretting& frets, bool electric);

// The string and fret under a point of the neck picture: fret 0 at the nut (left of x = 10),
// fret f from just past the mark of fret f - 1 to the end of its own mark, the string of the
// 14-pixel row that holds the point; nothing off the picture's 625 x 85 pixels.
struct NeckSpot {
    int string = 0;
    int fret = 0;
};
std::optional<NeckSpot> neckSpotAt(int x, int y);

} // namespace tambrel
