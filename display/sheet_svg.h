#pragma once
// The sheet as an SVG document, plain C++: the one SVG drawing of the program, for the file
// writers of the window and the terminal and for any other front end.
#include <optional>
#include <string>
#include <vector>

#include "display/sheet_export.h"

namespace tambrel {

// The diagrams in a grid of `options.perRow` columns under the title, each one group (class
// "chord-diagram", id "diagram-N") whose <title> is its name and fret text, drawn by
// drawSheetCell. Each picture the diagrams use (the grid, the marks, a labelled disc) is in
// the document's <defs> once, and each mark is a <use> of it by name at its place, so that a
// reader program finds the fingering in the marks. None when cancelled.
std::optional<std::string> sheetSvgDocument(const std::vector<SheetDiagram>& diagrams,
                                            const SheetExportOptions& options,
                                            const SheetProgress& progress = {});

} // namespace tambrel
