#include "display/sheet_layout.h"

#include "display/chord_diagram.h"
#include "music/fret_list_text.h"

#include <algorithm>
#include <cmath>

namespace tambrel {

std::string sheetFretText(const Fretting& frets) {
    return writeFretList(frets, {FretSeparator::Blanks});
}

std::string sheetDiagramTitle(const SheetDiagram& diagram) {
    const std::string frets = sheetFretText(diagram.frets);
    return diagram.name.empty() ? frets : diagram.name + " \u2014 " + frets;
}

void drawSheetCell(SheetPainter& painter, const SheetDiagram& diagram, int top, int left,
                   DotLabels labels, bool leftHanded) {
    // The grid is 56 units wide from 24 units in; the name is centred over it.
    painter.drawCaption(diagram.name, left + 4, top, 96);
    drawChordDiagram(painter, diagram.frets, top + kSheetNameBand, left, DiagramStyle::Normal,
                     leftHanded, labels, diagram.notes);
}

SheetGrid sheetGrid(int count, int perRow, bool titled) {
    SheetGrid grid;
    count = std::max(count, 0);
    grid.columns = std::clamp(count, 1, std::max(perRow, 1));
    grid.rows = (count + grid.columns - 1) / grid.columns;
    grid.titleTop = kSheetMargin;
    grid.titleHeight = titled ? kSheetTitleBand : 0;
    grid.gridLeft = kSheetMargin;
    grid.gridTop = kSheetMargin + grid.titleHeight;
    grid.width = 2 * kSheetMargin + grid.columns * kSheetCellWidth;
    grid.height = grid.gridTop + grid.rows * kSheetCellHeight + kSheetMargin;
    return grid;
}

double SheetPages::cellLeft(int index) const {
    return gridLeft + (index % columns) * kSheetCellWidth * scale;
}

double SheetPages::cellTop(int index) const {
    const int row = (index / columns) % rowsPerPage;
    return gridTop + row * kSheetCellHeight * scale;
}

SheetPages sheetPages(int count, int perRow, double width, double height, double header,
                      double footer) {
    SheetPages pages;
    pages.columns = std::max(perRow, 1);
    const double room = std::max(height - header - footer, 1.0);
    pages.scale = std::max(width, 1.0) / (pages.columns * kSheetCellWidth);
    // A row as wide as the page that is taller than the room between the bands: smaller cells.
    pages.scale = std::min(pages.scale, room / kSheetCellHeight);
    pages.rowsPerPage =
        std::max(1, static_cast<int>(std::floor(room / (kSheetCellHeight * pages.scale) + 1e-9)));
    const int perPage = pages.columns * pages.rowsPerPage;
    pages.pageCount = std::max(1, (std::max(count, 0) + perPage - 1) / perPage);
    pages.gridLeft = (width - pages.columns * kSheetCellWidth * pages.scale) / 2;
    pages.gridTop = header;
    return pages;
}

} // namespace tambrel
