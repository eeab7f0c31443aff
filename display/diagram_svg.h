#pragma once
// One chord diagram, or the neck with a voicing on it, as an SVG document: plain C++, drawn
// by the same logic as the window's pictures.
#include <string>

#include "display/chord_diagram.h"
#include "display/dot_labels.h"
#include "music/fretboard.h"
#include "music/fretting.h"

namespace tambrel {

// The 100 x 130 cell of drawChordDiagram, on white: in the normal style unless told.
std::string chordDiagramSvg(const Fretting& frets, DotLabels labels = DotLabels::Fingers,
                            const DiagramNotes& notes = {}, bool leftHanded = false,
                            DiagramStyle style = DiagramStyle::Normal);

// The 625 x 85 neck picture with the marks of `frets`, as showOnNeck draws them.
std::string neckSvg(const Fretting& frets, bool electric);
// The neck picture without a fingering on it.
std::string bareNeckSvg(bool electric);

} // namespace tambrel
