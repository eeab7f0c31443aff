// A sheet's cells, its grid on one picture, its pages, and the texts that name a diagram.
#include "display/sheet_layout.h"

#include "display/chord_diagram.h"

#include <gtest/gtest.h>

#include "tests/display/recording_painter.h"

namespace tambrel {
namespace {

using testing::Drawn;
using testing::RecordingPainter;

class RecordingSheetPainter : public SheetPainter {
  public:
    void drawArtwork(Artwork artwork, int x, int y) override { diagram.drawArtwork(artwork, x, y); }
    void drawText(const std::string& text, int x, int y) override { diagram.drawText(text, x, y); }
    void drawCaption(const std::string& text, int left, int top, int width) override {
        captions.push_back({text, left, top});
        widths.push_back(width);
    }
    RecordingPainter diagram;
    std::vector<Drawn> captions;
    std::vector<int> widths;
};

TEST(SheetTexts, FretTextAndTitle) {
    EXPECT_EQ(sheetFretText({99, 3, 2, 0, 1, 0}), "x 3 2 0 1 0");
    EXPECT_EQ(sheetFretText({10, -11, -11, -11, -11, 11}), "10 11 11 11 11 11");
    SheetDiagram c{{99, 3, 2, 0, 1, 0}, {}, "C"};
    EXPECT_EQ(sheetDiagramTitle(c), "C \u2014 x 3 2 0 1 0");
    c.name.clear();
    EXPECT_EQ(sheetDiagramTitle(c), "x 3 2 0 1 0");
}

TEST(SheetCell, NameOverTheGridThenTheCanvasDiagramBelowItsBand) {
    RecordingSheetPainter sheet;
    drawSheetCell(sheet, {{99, 3, 2, 0, 1, 0}, {}, "C"}, 200, 300, DotLabels::Fingers, false);
    EXPECT_EQ(sheet.captions, (std::vector<Drawn>{{"C", 304, 200}}));
    EXPECT_EQ(sheet.widths, std::vector<int>{96});
    // The canvas's own diagram, its cell corner kSheetNameBand lower.
    RecordingPainter canvas;
    drawChordDiagram(canvas, {99, 3, 2, 0, 1, 0}, 200 + kSheetNameBand, 300, DiagramStyle::Normal,
                     false);
    EXPECT_EQ(sheet.diagram.calls, canvas.calls);
}

TEST(SheetGrid, RowsOfCellsInsideTheMarginsBelowTheTitle) {
    const SheetGrid grid = sheetGrid(10, 4, true);
    EXPECT_EQ(grid.columns, 4);
    EXPECT_EQ(grid.rows, 3);
    EXPECT_EQ(grid.width, 2 * kSheetMargin + 4 * kSheetCellWidth);
    EXPECT_EQ(grid.height, kSheetMargin + kSheetTitleBand + 3 * kSheetCellHeight + kSheetMargin);
    EXPECT_EQ(grid.cellLeft(5), kSheetMargin + kSheetCellWidth);
    EXPECT_EQ(grid.cellTop(5), kSheetMargin + kSheetTitleBand + kSheetCellHeight);
    EXPECT_EQ(grid.cellTop(9), kSheetMargin + kSheetTitleBand + 2 * kSheetCellHeight);

    const SheetGrid untitled = sheetGrid(2, 6, false);
    EXPECT_EQ(untitled.columns, 2); // no wider than its diagrams
    EXPECT_EQ(untitled.gridTop, kSheetMargin);
    EXPECT_EQ(untitled.titleHeight, 0);
    EXPECT_EQ(sheetGrid(3, 0, false).columns, 1);
    EXPECT_EQ(sheetGrid(0, 4, false).rows, 0);
}

TEST(SheetPages, WholeRowsAsWideAsThePage) {
    // 510 x 757 points, bands of 30 and 20: four cells of 127.5 across, rows 165.75 high.
    const SheetPages pages = sheetPages(2066, 4, 510, 757, 30, 20);
    EXPECT_DOUBLE_EQ(pages.scale, 510.0 / 400);
    EXPECT_EQ(pages.rowsPerPage, 4); // 707 / 165.75
    EXPECT_EQ(pages.pageCount, (2066 + 15) / 16);
    EXPECT_EQ(pages.pageOf(15), 0);
    EXPECT_EQ(pages.pageOf(16), 1);
    EXPECT_DOUBLE_EQ(pages.cellTop(16), 30);
    EXPECT_DOUBLE_EQ(pages.cellTop(20), 30 + kSheetCellHeight * pages.scale);
    EXPECT_DOUBLE_EQ(pages.cellLeft(3), 3 * kSheetCellWidth * pages.scale);
    EXPECT_NEAR(pages.gridLeft, 0, 1e-9);

    EXPECT_EQ(sheetPages(16, 4, 510, 757, 30, 20).pageCount, 1);
    EXPECT_EQ(sheetPages(17, 4, 510, 757, 30, 20).pageCount, 2);
    EXPECT_EQ(sheetPages(0, 4, 510, 757, 30, 20).pageCount, 1);
}

TEST(SheetPages, ALowPageShrinksTheCellsToHoldOneRow) {
    // One diagram a row on a landscape strip: the row is as tall as the room, and centred.
    const SheetPages pages = sheetPages(3, 1, 800, 200, 30, 20);
    EXPECT_DOUBLE_EQ(pages.scale, 150.0 / kSheetCellHeight);
    EXPECT_EQ(pages.rowsPerPage, 1);
    EXPECT_EQ(pages.pageCount, 3);
    EXPECT_DOUBLE_EQ(pages.gridLeft, (800 - kSheetCellWidth * pages.scale) / 2);
}

} // namespace
} // namespace tambrel
