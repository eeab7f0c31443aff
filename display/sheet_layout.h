#pragma once
// A chord sheet laid out for export and print: diagrams with their names in a grid of equal
// cells, row by row, on one long picture (SVG, PNG) or on pages (PDF, print). Plain C++: the
// writers in sheet_export.cpp only paint what this says.
#include "display/diagram_painter.h"
#include "display/dot_labels.h"
#include "music/fretboard.h"
#include "music/fretting.h"

#include <string>

namespace tambrel {

// One diagram of a sheet: the fingering, what its notes are, and its name (UTF-8).
struct SheetDiagram {
    Fretting frets;
    DiagramNotes notes;
    std::string name;
    friend bool operator==(const SheetDiagram&, const SheetDiagram&) = default;
};

// The fret list as a guitarist writes it: "x 3 2 0 1 0", muted strings as x, no barre marks.
std::string sheetFretText(const Fretting& frets);
// The diagram's name and its fret text: "C — x 3 2 0 1 0" (UTF-8). Without a name, the
// fret text alone.
std::string sheetDiagramTitle(const SheetDiagram& diagram);

// A sheet cell, in the units of the results canvas (one unit is a canvas pixel): a band for
// the name above a whole diagram cell's drawing.
constexpr int kSheetCellWidth = 100;
constexpr int kSheetCellHeight = 130;
constexpr int kSheetNameBand = 16; // the diagram's own cell starts this far below the cell's top

// Painting a sheet cell: a diagram painter that also writes the names.
class SheetPainter : public DiagramPainter {
  public:
    // The text centred in the band `width` units wide from (left, top), `kSheetNameBand`
    // units tall, shortened with an ellipsis when it does not fit.
    virtual void drawCaption(const std::string& text, int left, int top, int width) = 0;
};

// Draws one sheet cell with its top-left corner at (left, top): the name centred over the
// grid, then the diagram as the results canvas draws it, in the normal style.
void drawSheetCell(SheetPainter& painter, const SheetDiagram& diagram, int top, int left,
                   DotLabels labels, bool leftHanded);

// The grid of one long picture (SVG, PNG): a margin all round, the title band when there is a
// title, then the rows.
struct SheetGrid {
    int columns = 1;
    int rows = 0;
    int width = 0;  // units
    int height = 0; // units
    int gridTop = 0;
    int gridLeft = 0;
    int titleTop = 0;
    int titleHeight = 0; // 0 without a title

    // The top-left corner of cell `index`.
    int cellLeft(int index) const { return gridLeft + (index % columns) * kSheetCellWidth; }
    int cellTop(int index) const { return gridTop + (index / columns) * kSheetCellHeight; }
};

constexpr int kSheetMargin = 20;
constexpr int kSheetTitleBand = 34;

// `perRow` below 1 counts as 1; fewer diagrams than `perRow` make one row of them only.
SheetGrid sheetGrid(int count, int perRow, bool titled);

// The pages of a paged sheet (PDF, print), in the page's own units: a header band with the
// title at the top of every page, a footer band with the page number, and between them whole
// rows of cells, each `scale` page units per sheet unit, the row filling the page's width.
struct SheetPages {
    int columns = 1;
    int rowsPerPage = 1;
    int pageCount = 1;
    double scale = 1.0;  // page units per sheet unit
    double gridLeft = 0; // from the page's printable area's left, centring the rows
    double gridTop = 0;  // from the printable area's top, below the header band

    int pageOf(int index) const { return index / (columns * rowsPerPage); }
    // The top-left corner of cell `index` on its page, in page units from the printable
    // area's corner.
    double cellLeft(int index) const;
    double cellTop(int index) const;
};

// `width` and `height`: the printable area; `header` and `footer`: the bands, all in page
// units. At least one row fits on a page: when the page is too low for a row as wide as the
// page, the cells shrink until one does. No diagrams still make one page.
SheetPages sheetPages(int count, int perRow, double width, double height, double header,
                      double footer);

} // namespace tambrel
