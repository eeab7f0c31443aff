#pragma once
// Writing a chord sheet to a file: SVG (one picture, each diagram a titled group), PDF (pages
// of rows with a title and page numbers) or PNG (one picture at a chosen scale). Every diagram
// is drawn by drawChordDiagram, as on the results canvas. A file is written whole or not at
// all: the writing goes to a file beside it, which takes the target's place only when done.
//
// The interface is plain C++; the writers are Qt's, and need a QGuiApplication.
#include "display/dot_labels.h"
#include "display/sheet_layout.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tambrel {

enum class SheetFormat { Svg, Pdf, Png };
enum class PaperSize { A4, Letter };

struct SheetExportOptions {
    SheetFormat format = SheetFormat::Svg;
    int perRow = 4;                  // diagrams in a row, 1 to kMaxPerRow
    PaperSize paper = PaperSize::A4; // PDF
    int pngScale = 2; // PNG: pixels per unit of the results canvas, 1 to kMaxPngScale
    DotLabels labels = DotLabels::Fingers;
    bool leftHanded = false;
    std::string title; // UTF-8; drawn above the diagrams (on every page of a PDF); may be empty
};

constexpr int kMaxPerRow = 12;
constexpr int kMaxPngScale = 8;
// A PNG is one picture: it may be at most this many pixels across and down.
constexpr int kMaxPngSide = 32000;

struct SheetExportResult {
    enum class Status { Written, Cancelled, Failed };
    Status status = Status::Failed;
    std::string message; // why it failed, for the user (UTF-8)
    int pages = 0;       // PDF: the pages written
    bool written() const { return status == Status::Written; }
};

// Called as the diagrams are drawn: how many of `total` are done. Returning false cancels the
// export, and nothing is written.
using SheetProgress = std::function<bool(int done, int total)>;

// The format that a file name's ending names (.svg, .pdf, .png, in any case); none for others.
std::optional<SheetFormat> sheetFormatOfPath(const std::string& path);
// "svg", "pdf", "png".
std::string sheetFormatSuffix(SheetFormat format);

// Writes `diagrams` to `path` (UTF-8) as `options` say. No diagrams, or options out of their
// ranges, fail with a message and write nothing.
SheetExportResult exportSheet(const std::vector<SheetDiagram>& diagrams,
                              const SheetExportOptions& options, const std::string& path,
                              const SheetProgress& progress = {});

} // namespace tambrel
