// The file writers of a chord sheet: PNG and PDF painted with QPainter, SVG from sheet_svg.h,
// each saved through QSaveFile so that a file is written whole or not at all.
#include "display/sheet_export.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>
#include <cmath>

#include "display/qt_sheet_painter.h"
#include "display/sheet_pictures.h"
#include "display/sheet_svg.h"

namespace tambrel {

namespace {

QFont titleFont(qreal points) {
    QFont font = QtDiagramPainter::textFont();
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

// Called before each diagram and once at the end; a progress without a function goes on.
bool goOn(const SheetProgress& progress, int done, int total) {
    return !progress || progress(done, total);
}

SheetExportResult failure(std::string message) {
    SheetExportResult result;
    result.status = SheetExportResult::Status::Failed;
    result.message = std::move(message);
    return result;
}

SheetExportResult cancelled() {
    SheetExportResult result;
    result.status = SheetExportResult::Status::Cancelled;
    return result;
}

std::string cannotWrite(const QString& path, const QString& why) {
    return QStringLiteral("Cannot write %1: %2")
        .arg(QDir::toNativeSeparators(path), why)
        .toStdString();
}

// The pages' bands, in points.
constexpr qreal kHeaderPoints = 30;
constexpr qreal kFooterPoints = 20;

} // namespace

std::optional<SheetFormat> sheetFormatOfPath(const std::string& path) {
    const QString suffix = QFileInfo(QString::fromStdString(path)).suffix().toLower();
    if (suffix == u"svg") return SheetFormat::Svg;
    if (suffix == u"pdf") return SheetFormat::Pdf;
    if (suffix == u"png") return SheetFormat::Png;
    return std::nullopt;
}

std::string sheetFormatSuffix(SheetFormat format) {
    switch (format) {
    case SheetFormat::Pdf:
        return "pdf";
    case SheetFormat::Png:
        return "png";
    case SheetFormat::Svg:
        break;
    }
    return "svg";
}

std::optional<QByteArray> sheetSvg(const std::vector<SheetDiagram>& diagrams,
                                   const SheetExportOptions& options,
                                   const SheetProgress& progress) {
    std::optional<std::string> document = sheetSvgDocument(diagrams, options, progress);
    if (!document) return std::nullopt;
    return QByteArray::fromStdString(*document);
}

std::optional<QImage> sheetImage(const std::vector<SheetDiagram>& diagrams,
                                 const SheetExportOptions& options, const SheetProgress& progress) {
    const int count = static_cast<int>(diagrams.size());
    const SheetGrid grid = sheetGrid(count, options.perRow, !options.title.empty());
    const int scale = std::clamp(options.pngScale, 1, kMaxPngScale);
    if (static_cast<long long>(grid.width) * scale > kMaxPngSide ||
        static_cast<long long>(grid.height) * scale > kMaxPngSide)
        return QImage();

    QImage image(grid.width * scale, grid.height * scale, QImage::Format_RGB32);
    if (image.isNull()) return QImage();
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    if (grid.titleHeight > 0) {
        QFont font = QtDiagramPainter::textFont();
        font.setPixelSize(18);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRect(grid.gridLeft + 4, grid.titleTop, grid.width - 2 * grid.gridLeft,
                               grid.titleHeight),
                         Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(options.title));
    }
    QtSheetPainter cells(painter, ArtworkDrawing::Cached);
    for (int index = 0; index < count; ++index) {
        if (!goOn(progress, index, count)) return std::nullopt;
        drawSheetCell(cells, diagrams[index], grid.cellTop(index), grid.cellLeft(index),
                      options.labels, options.leftHanded);
    }
    if (!goOn(progress, count, count)) return std::nullopt;
    painter.end();
    return image;
}

std::optional<int> paintSheetPages(QPainter& painter, QPagedPaintDevice& device,
                                   const std::vector<SheetDiagram>& diagrams,
                                   const SheetExportOptions& options,
                                   const SheetProgress& progress) {
    const int count = static_cast<int>(diagrams.size());
    // The painter's units are the device's pixels, from the printable area's corner.
    const QRectF area = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const qreal pixelsPerPoint = device.logicalDpiX() / 72.0;
    const qreal header = kHeaderPoints * pixelsPerPoint;
    const qreal footer = kFooterPoints * pixelsPerPoint;
    const SheetPages pages =
        sheetPages(count, options.perRow, area.width(), area.height(), header, footer);

    const QFont title = titleFont(14);
    QFont pageNumber = QtDiagramPainter::textFont();
    pageNumber.setPointSizeF(9);
    QtSheetPainter cells(painter, ArtworkDrawing::Vectors);
    const auto paintBands = [&](int page) {
        painter.setPen(Qt::black);
        if (!options.title.empty()) {
            painter.setFont(title);
            painter.drawText(QRectF(0, 0, area.width(), header), Qt::AlignLeft | Qt::AlignTop,
                             QString::fromStdString(options.title));
        }
        painter.setFont(pageNumber);
        painter.drawText(QRectF(0, area.height() - footer, area.width(), footer),
                         Qt::AlignHCenter | Qt::AlignBottom,
                         QStringLiteral("Page %1 of %2").arg(page + 1).arg(pages.pageCount));
    };

    paintBands(0);
    int page = 0;
    for (int index = 0; index < count; ++index) {
        if (!goOn(progress, index, count)) return std::nullopt;
        if (pages.pageOf(index) != page) {
            page = pages.pageOf(index);
            device.newPage();
            paintBands(page);
        }
        painter.save();
        painter.translate(pages.cellLeft(index), pages.cellTop(index));
        painter.scale(pages.scale, pages.scale);
        drawSheetCell(cells, diagrams[index], 0, 0, options.labels, options.leftHanded);
        painter.restore();
    }
    if (!goOn(progress, count, count)) return std::nullopt;
    return pages.pageCount;
}

SheetExportResult exportSheet(const std::vector<SheetDiagram>& diagrams,
                              const SheetExportOptions& options, const std::string& path,
                              const SheetProgress& progress) {
    if (diagrams.empty()) return failure("There are no diagrams to export.");
    if (options.perRow < 1 || options.perRow > kMaxPerRow)
        return failure("Diagrams per row must be 1 to " + std::to_string(kMaxPerRow) + ".");
    if (options.pngScale < 1 || options.pngScale > kMaxPngScale)
        return failure("The PNG scale must be 1 to " + std::to_string(kMaxPngScale) + ".");

    const QString target = QString::fromStdString(path);
    if (target.isEmpty()) return failure("No file name was given.");
    if (QFileInfo(target).isDir())
        return failure(cannotWrite(target, QStringLiteral("it is a folder")));

    // Everything that can be refused is refused before the file is opened.
    std::optional<QByteArray> svg;
    std::optional<QImage> image;
    if (options.format == SheetFormat::Svg) {
        svg = sheetSvg(diagrams, options, progress);
        if (!svg) return cancelled();
    } else if (options.format == SheetFormat::Png) {
        image = sheetImage(diagrams, options, progress);
        if (!image) return cancelled();
        if (image->isNull())
            return failure("The picture would be more than " + std::to_string(kMaxPngSide) +
                           " pixels high or wide: choose more diagrams per row, a smaller "
                           "scale, or SVG or PDF.");
    }

    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly)) return failure(cannotWrite(target, file.errorString()));

    SheetExportResult result;
    result.status = SheetExportResult::Status::Written;
    switch (options.format) {
    case SheetFormat::Svg:
        if (file.write(*svg) != svg->size()) {
            file.cancelWriting();
            return failure(cannotWrite(target, file.errorString()));
        }
        break;
    case SheetFormat::Png:
        if (!image->save(&file, "PNG")) {
            file.cancelWriting();
            return failure(cannotWrite(target, file.errorString()));
        }
        break;
    case SheetFormat::Pdf: {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("Tambrel"));
        writer.setTitle(QString::fromStdString(options.title));
        writer.setPageSize(
            QPageSize(options.paper == PaperSize::Letter ? QPageSize::Letter : QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            return failure(cannotWrite(target, QStringLiteral("the PDF could not be started")));
        }
        const std::optional<int> pages =
            paintSheetPages(painter, writer, diagrams, options, progress);
        painter.end();
        if (!pages) {
            file.cancelWriting();
            return cancelled();
        }
        result.pages = *pages;
        break;
    }
    }
    if (!file.commit()) return failure(cannotWrite(target, file.errorString()));
    return result;
}

} // namespace tambrel
