// The base fret beside a diagram as the window paints it: legible up to fret 24 at every
// device pixel ratio, inside the cell and clear of the finger marks and barres beside it.
#include <QImage>
#include <QPainter>
#include <QtMath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "display/chord_diagram.h"
#include "display/qt_diagram_painter.h"
#include "tests/display/qt_test_support.h"

namespace tambrel::testing {
namespace {

constexpr int kCellW = 100;
constexpr int kCellH = 130;
const std::vector<qreal> kRatios{1.0, 1.25, 1.5, 2.0, 3.0};

// A voicing at `base` with a finger (or a barre) on the lowest string in the grid's first row,
// right beside the number.
FretList voicingAt(int base, bool barre) {
    return {barre ? -base : base, base + 2, base + 2, base + 1, base, base};
}

QImage blankCells(int columns, int rows, qreal ratio) {
    QImage image(qRound(kCellW * columns * ratio), qRound(kCellH * rows * ratio),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    return image;
}

// The box of the dark pixels inside `area` (logical pixels), in logical pixels, rounded out.
QRectF darkBox(const QImage& image, const QRect& area) {
    const qreal ratio = image.devicePixelRatio();
    QRect box;
    const QRect pixels(
        QPoint(qFloor(area.left() * ratio), qFloor(area.top() * ratio)),
        QPoint(qCeil((area.right() + 1) * ratio) - 1, qCeil((area.bottom() + 1) * ratio) - 1));
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            if (luminance(image.pixel(x, y)) < 128) box |= QRect(x, y, 1, 1);
    if (box.isEmpty()) return {};
    return {box.left() / ratio, box.top() / ratio, box.width() / ratio, box.height() / ratio};
}

TEST(BaseFret, NumbersUpTo24StayInTheCellAndClearOfTheMarks) {
    for (const qreal ratio : kRatios) {
        for (int base = 6; base <= 24; ++base) {
            for (const bool barre : {false, true}) {
                const std::string what = "base " + std::to_string(base) + " at x" +
                                         std::to_string(ratio) + (barre ? " with a barre" : "");
                // The number alone where the diagram puts it, then the whole diagram.
                QImage alone = blankCells(1, 1, ratio);
                QImage diagram = blankCells(1, 1, ratio);
                {
                    QPainter painter(&alone);
                    QtDiagramPainter(painter).drawTextLeftOf(std::to_string(base), 10, 3, 18);
                }
                {
                    QPainter painter(&diagram);
                    QtDiagramPainter diagrams(painter);
                    drawChordDiagram(diagrams, voicingAt(base, barre), 0, 0, DiagramStyle::Normal,
                                     false);
                }
                const QRectF text = darkBox(alone, QRect(0, 0, kCellW, kCellH));
                // Legible: as tall as the font's digits, inside the cell, left of the marks.
                EXPECT_GE(text.height(), 7) << what;
                EXPECT_GE(text.left(), 0) << what;
                EXPECT_LE(text.right(), 18) << what;
                EXPECT_LE(text.bottom(), 18) << what;
                // Nothing of the diagram is drawn over it: each of its dark pixels stays dark.
                int covered = 0;
                for (int y = 0; y < alone.height(); ++y)
                    for (int x = 0; x < alone.width(); ++x)
                        if (luminance(alone.pixel(x, y)) < 100 &&
                            luminance(diagram.pixel(x, y)) != luminance(alone.pixel(x, y)))
                            ++covered;
                EXPECT_EQ(covered, 0) << what;
            }
        }
    }
}

TEST(BaseFret, ASingleDigitKeepsItsPlace) {
    QImage atPlace = blankCells(1, 1, 1.0);
    QImage moved = blankCells(1, 1, 1.0);
    {
        QPainter painter(&atPlace);
        QtDiagramPainter(painter).drawText("7", 10, 3);
    }
    {
        QPainter painter(&moved);
        QtDiagramPainter(painter).drawTextLeftOf("7", 10, 3, 18);
    }
    EXPECT_EQ(atPlace, moved);
}

// One row of cells: the bases 6 to 24, a barre in every second one.
TEST(BaseFret, SaveSheets) {
    const std::vector<int> bases{6, 9, 10, 12, 15, 19, 20, 24};
    for (const qreal ratio : kRatios) {
        QImage sheet = blankCells(static_cast<int>(bases.size()), 2, ratio);
        {
            QPainter painter(&sheet);
            QtDiagramPainter diagrams(painter);
            for (std::size_t k = 0; k < bases.size(); ++k) {
                const int left = kCellW * static_cast<int>(k);
                drawChordDiagram(diagrams, voicingAt(bases[k], false), 0, left,
                                 DiagramStyle::Normal, false);
                drawChordDiagram(diagrams, voicingAt(bases[k], true), kCellH, left,
                                 DiagramStyle::Highlighted, false);
            }
        }
        EXPECT_TRUE(sheet.save(shotPath(QStringLiteral("base-frets-x%1.png").arg(ratio))));
    }
}

} // namespace
} // namespace tambrel::testing
