#include "display/sheet_svg.h"

#include "display/svg_painter.h"

namespace tambrel {

namespace {

constexpr int kTitleSize = 18;

} // namespace

std::optional<std::string> sheetSvgDocument(const std::vector<SheetDiagram>& diagrams,
                                            const SheetExportOptions& options,
                                            const SheetProgress& progress) {
    const int count = static_cast<int>(diagrams.size());
    const SheetGrid grid = sheetGrid(count, options.perRow, !options.title.empty());

    SvgPainter painter;
    painter.fillRect(0, 0, grid.width, grid.height, {255, 255, 255, 255});
    if (grid.titleHeight > 0)
        painter.drawHeading(options.title, grid.gridLeft + 4, grid.titleTop, kTitleSize,
                            "sheet-title");
    for (int index = 0; index < count; ++index) {
        if (progress && !progress(index, count)) return std::nullopt;
        const SheetDiagram& diagram = diagrams[index];
        painter.beginGroup("diagram-" + std::to_string(index + 1), "chord-diagram",
                           sheetDiagramTitle(diagram), grid.cellLeft(index), grid.cellTop(index));
        drawSheetCell(painter, diagram, 0, 0, options.labels, options.leftHanded);
        painter.endGroup();
    }
    if (progress && !progress(count, count)) return std::nullopt;
    return painter.document(grid.width, grid.height,
                            options.title.empty() ? "Chord diagrams" : options.title,
                            std::to_string(count) + " chord diagrams drawn by Tambrel");
}

} // namespace tambrel
