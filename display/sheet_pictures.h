#pragma once
// The sheet's pictures in Qt's own types, for the window's clipboard and printer and for the
// file writers: the same drawing in every format.
#include <QByteArray>
#include <QImage>
#include <optional>
#include <vector>

#include "display/sheet_export.h"

class QPainter;
class QPagedPaintDevice;

namespace tambrel {

// The SVG document of the sheet (sheetSvgDocument of sheet_svg.h) as Qt's bytes. None when
// cancelled.
std::optional<QByteArray> sheetSvg(const std::vector<SheetDiagram>& diagrams,
                                   const SheetExportOptions& options,
                                   const SheetProgress& progress = {});

// The same grid as one picture, `options.pngScale` pixels per unit, on white. None when
// cancelled; a null image when it would be larger than kMaxPngSide either way.
std::optional<QImage> sheetImage(const std::vector<SheetDiagram>& diagrams,
                                 const SheetExportOptions& options,
                                 const SheetProgress& progress = {});

// Paints the sheet's pages on `device` (a printer, a PDF writer), which `painter` has begun on:
// whole rows of diagrams as wide as the page's printable area, the title at the top of every
// page and the page's number at its foot, a new page between pages. Returns the pages painted,
// or none when cancelled.
std::optional<int> paintSheetPages(QPainter& painter, QPagedPaintDevice& device,
                                   const std::vector<SheetDiagram>& diagrams,
                                   const SheetExportOptions& options,
                                   const SheetProgress& progress = {});

} // namespace tambrel
