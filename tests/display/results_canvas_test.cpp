#include "display/results_canvas.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "display/neck_widget.h"
#include "tests/display/qt_test_support.h"

namespace tambrel {
namespace {

using testing::shotPath;

const QColor kWhite(255, 255, 255);
const QColor kNormal(252, 252, 252);
const QColor kHighlighted(236, 233, 216);

std::vector<Fretting> thirteenVoicings() {
    return {{99, 3, 2, 0, 1, 0},  {-3, 3, 0, 4, 3, 99},      {99, 3, 5, 5, 5, 3},
            {-1, 3, 3, 2, 1, 1},  {99, -3, 3, 2, 3, 99},     {-5, 7, 7, 6, 5, 5},
            {0, 0, 0, 0, 0, 0},   {99, 99, -10, 12, 12, 10}, {-8, 10, 10, 9, 8, 8},
            {99, 99, 2, 0, 1, 0}, {99, 3, 2, 0, 3, 0},       {99, 99, 99, 99, 99, 99},
            {-5, 99, 7, 7, 5, 5}};
}

// A background pixel of the grid in the cell with corner (left, top).
QColor gridBackground(const QImage& image, int left, int top) {
    return image.pixelColor(left + 30, top + 20); // between two marks, above a fret line
}

TEST(ResultsCanvas, LaysOutCellsAndStyles) {
    ResultsCanvas canvas;
    canvas.showResults(thirteenVoicings(), 6, 644, 520, {3}, false);
    EXPECT_EQ(canvas.size(), QSize(644, 520));
    EXPECT_EQ(canvas.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(canvas.cellRect(12), QRect(0, 260, 100, 130));
    const QImage image = canvas.grab().toImage();
    EXPECT_EQ(gridBackground(image, 0, 0), kNormal);
    EXPECT_EQ(gridBackground(image, 300, 0), kHighlighted);
    EXPECT_EQ(gridBackground(image, 500, 130), kNormal);
    EXPECT_EQ(gridBackground(image, 0, 260), kNormal);
    EXPECT_EQ(gridBackground(image, 100, 260), kWhite); // no diagram 13
    EXPECT_EQ(image.pixelColor(620, 10), kWhite);       // strip right of the last column
    EXPECT_TRUE(image.save(shotPath("results_canvas.png")));

    QImage sharp(canvas.size() * 2, QImage::Format_ARGB32);
    sharp.setDevicePixelRatio(2);
    canvas.render(&sharp);
    EXPECT_TRUE(sharp.save(shotPath("results_canvas@2x.png")));
}

TEST(ResultsCanvas, PaintingPartOfTheCanvasGivesTheSamePixels) {
    ResultsCanvas canvas;
    canvas.showResults(thirteenVoicings(), 6, 644, 520, {8}, true);
    const QImage full = canvas.grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (const QRect part :
         {QRect(150, 100, 170, 120), QRect(0, 250, 644, 40), QRect(590, 0, 54, 520)}) {
        QImage piece(part.size(), QImage::Format_RGB32);
        piece.fill(Qt::red);
        canvas.render(&piece, QPoint(0, 0), QRegion(part));
        EXPECT_EQ(piece, full.copy(part)) << part.x() << "," << part.y();
    }
}

TEST(ResultsCanvas, NewSelectionOnTheSameLayoutMovesTheHighlight) {
    ResultsCanvas canvas;
    canvas.showResults(thirteenVoicings(), 6, 644, 520, {0}, false);
    canvas.showResults(thirteenVoicings(), 6, 644, 520, {5}, false);
    EXPECT_FALSE(canvas.isHighlighted(0));
    EXPECT_TRUE(canvas.isHighlighted(5));
    const QImage image = canvas.grab().toImage();
    EXPECT_EQ(gridBackground(image, 0, 0), kNormal);
    EXPECT_EQ(gridBackground(image, 500, 0), kHighlighted);
}

TEST(ResultsCanvas, NarrowOrEmptyCanvas) {
    ResultsCanvas canvas;
    canvas.showResults(thirteenVoicings(), 0, 80, 390, {1, 99, -1}, false);
    EXPECT_EQ(canvas.columns(), 1);
    EXPECT_EQ(canvas.cellRect(2), QRect(0, 260, 100, 130));
    EXPECT_TRUE(canvas.isHighlighted(1));
    EXPECT_FALSE(canvas.isHighlighted(99));
    EXPECT_EQ(gridBackground(canvas.grab().toImage(), 0, 130), kHighlighted);

    canvas.showResults({}, 6, 644, 260, {0}, false);
    EXPECT_EQ(canvas.size(), QSize(644, 260));
    const QImage empty = canvas.grab().toImage();
    for (int y = 0; y < empty.height(); y += 7)
        for (int x = 0; x < empty.width(); x += 7) ASSERT_EQ(empty.pixelColor(x, y), kWhite);
}

TEST(ResultsCanvas, ReportsEveryReleaseWithItsCanvasPosition) {
    ResultsCanvas canvas;
    canvas.showResults(thirteenVoicings(), 6, 644, 520, {}, false);
    QSignalSpy spy(&canvas, &ResultsCanvas::released);
    QTest::mouseRelease(&canvas, Qt::RightButton, {}, QPoint(595, 10));
    QTest::mousePress(&canvas, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseRelease(&canvas, Qt::LeftButton, Qt::ShiftModifier, QPoint(150, 140));
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 595);
    EXPECT_EQ(spy.at(0).at(1).toInt(), 10);
    EXPECT_EQ(spy.at(1).at(0).toInt(), 150);
    EXPECT_EQ(spy.at(1).at(1).toInt(), 140);
}

bool isBlue(const QImage& image, int x, int y) {
    const QColor c = image.pixelColor(x, y);
    return c.blue() > c.red() + 60;
}

TEST(NeckView, ShowsTheNeckAndTheVoicing) {
    NeckView neck;
    EXPECT_EQ(neck.size(), QSize(625, 89));
    EXPECT_FALSE(isBlue(neck.grab().toImage(), 43, 20));

    neck.showNeck(false, FretList{99, 3, 2, 0, 1, 0});
    const QImage classic = neck.grab().toImage();
    EXPECT_TRUE(isBlue(classic, 43, 20)); // d1 on string 4 at fret 1
    EXPECT_TRUE(isBlue(classic, 86, 48)); // d2 on string 2 at fret 2
    EXPECT_TRUE(isBlue(classic, 3, 6));   // d0 on string 5
    EXPECT_FALSE(isBlue(classic, 3, 76)); // muted string 0
    EXPECT_TRUE(classic.save(shotPath("neck_classic.png")));

    neck.showNeck(true, FretList{-1, 3, 3, 2, 1, 1});
    const QImage electric = neck.grab().toImage();
    for (int s = 0; s < 6; ++s) EXPECT_TRUE(isBlue(electric, 43, (5 - s) * 14 + 6)) << s;
    EXPECT_GT(electric.pixelColor(300, 76).red(), electric.pixelColor(300, 76).blue() + 50);
    EXPECT_TRUE(electric.save(shotPath("neck_electric.png")));

    neck.showNeck(true, std::nullopt);
    EXPECT_FALSE(isBlue(neck.grab().toImage(), 43, 76));

    QImage sharp(neck.size() * 2, QImage::Format_ARGB32);
    sharp.setDevicePixelRatio(2);
    neck.showNeck(false, FretList{-5, 7, 7, 6, 5, 5});
    neck.render(&sharp);
    EXPECT_TRUE(sharp.save(shotPath("neck_classic@2x.png")));
}

} // namespace
} // namespace tambrel
