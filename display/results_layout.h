#pragma once
// Where the diagrams lie on the results canvas: one 100 x 130 cell each, filled row by row from
// the top left, as many to a row as the canvas width holds whole.
#include <optional>

namespace tambrel {

constexpr int kCellWidth = 100;
constexpr int kCellHeight = 130;

struct CellRect {
    int left = 0;
    int top = 0;
    int width = kCellWidth;
    int height = kCellHeight;
    friend bool operator==(const CellRect&, const CellRect&) = default;
};

// The columns of a canvas `canvasWidth` pixels wide; at least one, so that a very narrow area
// still shows its diagrams, in one column.
int columnsForWidth(int canvasWidth);

// Room for every row of `entryCount` diagrams and two rows more (an empty result is two rows).
int canvasHeightFor(int entryCount, int columns);

// The cell of diagram `index` (0 at the top left, then along the row).
CellRect cellRect(int index, int columns);

// The diagram under a mouse release at (x, y) in canvas pixels, or none: the last five pixels
// of the rightmost column, the strip beyond it, points off the canvas and points below or after
// the last diagram select nothing. Otherwise the whole cell belongs to its diagram.
std::optional<int> diagramAt(int x, int y, int columns, int count);

// The scroll offset that, after the diagrams are laid out again in `newColumns` columns, shows
// the diagram that opened the view at `scrollTop` in `oldColumns` columns: its row at the top,
// scrolled into the cell as far as before.
int scrollTopKeepingFirstDiagram(int scrollTop, int oldColumns, int newColumns);

} // namespace tambrel
