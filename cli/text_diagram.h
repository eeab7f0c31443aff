#pragma once
// Chord diagrams for the terminal, drawn by the same diagram drawing as the window.
#include "music/fretboard.h"
#include "music/fretting.h"

#include <string>
#include <vector>

namespace tambrel {

// One diagram as lines of equal width: X and O over the nut for muted and open strings, the
// base fret beside the first row, finger numbers and barres ("1-1-1") in five fret rows.
std::vector<std::string> textDiagram(const Fretting& frets, bool leftHanded);

// Diagrams side by side, as many to a row as fit in `width` characters, with a blank line
// between rows.
std::string textDiagramRows(const std::vector<Fretting>& voicings, bool leftHanded, int width);

} // namespace tambrel
