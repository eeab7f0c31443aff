#pragma once
// One chord diagram: five frets of the neck, one column per string, finger marks, barre bars,
// the base fret beside the grid and one mark per string below it.
#include "display/diagram_painter.h"
#include "display/dot_labels.h"
#include "music/fretboard.h"
#include "music/fretting.h"

namespace tambrel {

enum class DiagramStyle { Normal, Highlighted };

// Draws the diagram of `frets` in the 100 x 130 cell whose top-left corner is (left, top).
// Draws over what is there; the grid picture is opaque, so redrawing a cell in the other style
// replaces its grid and adds every mark again. With leftHanded the lowest string is the
// rightmost column.
void drawChordDiagram(DiagramPainter& painter, const Fretting& frets, int top, int left,
                      DiagramStyle style, bool leftHanded);

// The same diagram with the finger marks labelled as `labels` says. With note names or
// intervals every fretted note gets a labelled mark (under a barre too, over its bar, and a
// fifth finger as well), and each open string gets its label under its ring; finger numbers
// draw exactly the diagram above.
void drawChordDiagram(DiagramPainter& painter, const Fretting& frets, int top, int left,
                      DiagramStyle style, bool leftHanded, DotLabels labels,
                      const DiagramNotes& notes);

} // namespace tambrel
