#pragma once
// One chord diagram, or the neck with a voicing on it, as an SVG document: plain C++, drawn
// by the same logic as the window's pictures.
#include <string>

#include "display/dot_labels.h"
#include "music/fretboard.h"
#include "music/fretting.h"

namespace tambrel {

// The 100 x 130 cell of drawChordDiagram, in the normal style, on white.
std::string chordDiagramSvg(const Fretting& frets, DotLabels labels = DotLabels::Fingers,
                            const DiagramNotes& notes = {}, bool leftHanded = false);

// The 625 x 85 neck picture with the marks of `frets`, as showOnNeck draws them.
std::string neckSvg(const Fretting& frets, bool electric);

} // namespace tambrel
