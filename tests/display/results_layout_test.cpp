// The results layout: the cells, the canvas height and which diagram a mouse release selects.
#include "display/results_layout.h"

#include <gtest/gtest.h>

namespace tambrel {
namespace {

TEST(ResultsLayout, ColumnsAndCanvasHeight) {
    EXPECT_EQ(columnsForWidth(644), 6);
    EXPECT_EQ(canvasHeightFor(13, 6), 520);
    EXPECT_EQ(canvasHeightFor(6, 6), 390);
    EXPECT_EQ(canvasHeightFor(0, 6), 260);
    // Narrower than one cell: one column, never a division by zero.
    EXPECT_EQ(columnsForWidth(99), 1);
    EXPECT_EQ(columnsForWidth(0), 1);
    EXPECT_EQ(canvasHeightFor(3, columnsForWidth(40)), 3 * 130 + 260);
}

TEST(ResultsLayout, CellsFillRowByRow) {
    EXPECT_EQ(cellRect(0, 6), (CellRect{0, 0, 100, 130}));
    EXPECT_EQ(cellRect(5, 6), (CellRect{500, 0, 100, 130}));
    EXPECT_EQ(cellRect(12, 6), (CellRect{0, 260, 100, 130}));
    EXPECT_EQ(cellRect(2, 1), (CellRect{0, 260, 100, 130}));
    EXPECT_EQ(cellRect(2, 0), (CellRect{0, 260, 100, 130})); // no columns: laid out as one
}

TEST(ResultsLayout, AReleaseSelectsTheDiagramWhoseCellHoldsIt) {
    // Six columns: the last five pixels of the rightmost column and beyond select nothing.
    EXPECT_EQ(diagramAt(595, 10, 6, 13), 5);
    EXPECT_EQ(diagramAt(596, 10, 6, 13), std::nullopt);
    EXPECT_EQ(diagramAt(640, 10, 6, 13), std::nullopt);
    EXPECT_EQ(diagramAt(0, 0, 6, 13), 0);
    EXPECT_EQ(diagramAt(99, 129, 6, 13), 0); // the whole cell, margins included
    EXPECT_EQ(diagramAt(100, 130, 6, 13), 7);
    // Off the canvas, or after the last diagram.
    EXPECT_EQ(diagramAt(-1, 10, 6, 13), std::nullopt);
    EXPECT_EQ(diagramAt(10, -1, 6, 13), std::nullopt);
    EXPECT_EQ(diagramAt(150, 140, 6, 7), std::nullopt);
    EXPECT_EQ(diagramAt(50, 140, 6, 7), 6);
    EXPECT_EQ(diagramAt(50, 50, 6, 0), std::nullopt);
    // Far below the canvas the index does not wrap round.
    EXPECT_EQ(diagramAt(50, 2000000000, 6, 13), std::nullopt);
}

TEST(ResultsLayout, ARelayoutKeepsTheFirstVisibleDiagram) {
    // Diagram 12 opens the view in six columns, 10 pixels into its row (row 2).
    EXPECT_EQ(scrollTopKeepingFirstDiagram(270, 6, 4), 3 * 130 + 10); // row 3 of four
    EXPECT_EQ(scrollTopKeepingFirstDiagram(270, 6, 12), 1 * 130 + 10);
    EXPECT_EQ(scrollTopKeepingFirstDiagram(270, 6, 6), 270);
    // Diagram 7 of seven columns lies in row 0 of eight: the view goes up, not past it.
    EXPECT_EQ(scrollTopKeepingFirstDiagram(130, 7, 8), 0);
    EXPECT_EQ(scrollTopKeepingFirstDiagram(0, 6, 3), 0);
    EXPECT_EQ(scrollTopKeepingFirstDiagram(-5, 6, 3), 0);
    EXPECT_EQ(scrollTopKeepingFirstDiagram(270, 0, 0), 270); // no columns: one
}

} // namespace
} // namespace tambrel
