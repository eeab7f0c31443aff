#pragma once
// A voicing on the picture of the whole neck: a ball at the nut for each open string and a
// numbered ball behind the fret of each fretted string, the barre's number on every string it
// crosses. Never mirrored.
#include <array>

#include "diagram_painter.h"
#include "fretboard.h"

namespace tambrel {

// x reference of frets 0..25 on the neck picture; a finger mark for fret f has its left edge
// at neckFretX()[f] - 10, just behind the fret wire.
const std::array<int, 26>& neckFretX();

// Paints the neck picture (electric or classic) at (0, 0), covering any earlier voicing, then
// the marks of `frets`.
void showOnNeck(DiagramPainter& painter, const FretList& frets, bool electric);

} // namespace tambrel
