#include "assets/artwork.h"

#include <QFile>
#include <QPainter>
#include <gtest/gtest.h>

#include "tests/display/qt_test_support.h"

namespace tambrel {
namespace {

using testing::luminance;
using testing::shotPath;

constexpr Artwork kAllArtwork[] = {Artwork::braco,
                                   Artwork::braco2,
                                   Artwork::dedo1,
                                   Artwork::dedo2,
                                   Artwork::dedo3,
                                   Artwork::dedo4,
                                   Artwork::dedo6,
                                   Artwork::omin1,
                                   Artwork::omin2,
                                   Artwork::x,
                                   Artwork::ImageBracoEletrico,
                                   Artwork::Image5,
                                   Artwork::d0,
                                   Artwork::d1,
                                   Artwork::d2,
                                   Artwork::d3,
                                   Artwork::d4};

QImage render(Artwork artwork, qreal dpr = 1.0) {
    return artworkPixmap(artwork, dpr).toImage().convertToFormat(QImage::Format_ARGB32);
}

QColor at(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

TEST(Artwork, NamedSizes) {
    EXPECT_EQ(artworkSize(Artwork::braco), QSize(56, 83));
    EXPECT_EQ(artworkSize(Artwork::braco2), QSize(56, 83));
    EXPECT_EQ(artworkSize(Artwork::dedo3), QSize(9, 9));
    EXPECT_EQ(artworkSize(Artwork::dedo6), QSize(15, 4));
    EXPECT_EQ(artworkSize(Artwork::x), QSize(6, 6));
    EXPECT_EQ(artworkSize(Artwork::Image5), QSize(625, 85));
    EXPECT_EQ(artworkSize(Artwork::ImageBracoEletrico), QSize(625, 85));
    EXPECT_EQ(artworkSize(Artwork::d0), QSize(12, 12));
    EXPECT_EQ(artworkSize(Artwork::d4), QSize(13, 12));
    EXPECT_EQ(bannerSize(Banner::Image3), QSize(450, 80));
    EXPECT_EQ(bannerSize(Banner::About), QSize(209, 41));
    for (Artwork a : kAllArtwork) {
        const QImage image = render(a, 2.0);
        EXPECT_EQ(image.size(), artworkSize(a) * 2) << artworkName(a);
    }
}

// Each picture paints something and nothing outside its size, so marks never spill over
// their neighbours on the canvas.
TEST(Artwork, EveryPicturePaintsInsideItsSize) {
    for (Artwork a : kAllArtwork) {
        const QSize size = artworkSize(a);
        QImage image(size + QSize(20, 20), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        paintArtwork(painter, a, QPoint(10, 10));
        painter.end();
        const QRect inside(QPoint(10, 10), size);
        int painted = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const int alpha = qAlpha(image.pixel(x, y));
                if (inside.contains(x, y))
                    painted += alpha > 0;
                else
                    ASSERT_EQ(alpha, 0) << artworkName(a) << " at " << x << "," << y;
            }
        }
        EXPECT_GT(painted, 0) << artworkName(a);
    }
}

void expectGrid(const QImage& grid, int scale, QColor background, QColor ink) {
    const auto px = [&](int x, int y) { return at(grid, x * scale, y * scale); };
    for (int x : {0, 11, 22, 33, 44, 55}) {
        EXPECT_EQ(px(x, 40), ink) << "string line " << x;
        EXPECT_EQ(px(x, 10), ink) << "string line " << x;
    }
    for (int y : {0, 1, 2, 18, 34, 50, 66, 82}) EXPECT_EQ(px(5, y), ink) << "row " << y;
    for (int y : {3, 10, 19, 42, 81}) EXPECT_EQ(px(5, y), background) << "row " << y;
    EXPECT_EQ(px(16, 26), background);
    EXPECT_EQ(px(50, 74), background);
}

TEST(Artwork, GridGeometryAndColours) {
    expectGrid(render(Artwork::braco), 1, QColor(252, 252, 252), Qt::black);
    expectGrid(render(Artwork::braco2), 1, QColor(236, 233, 216), QColor(18, 18, 12));
    // At twice the pixel ratio a one-pixel line is two sharp device pixels, not a blur.
    const QImage sharp = render(Artwork::braco, 2.0);
    expectGrid(sharp, 2, QColor(252, 252, 252), Qt::black);
    EXPECT_EQ(at(sharp, 23, 80), Qt::black);
    EXPECT_EQ(at(sharp, 21, 80), QColor(252, 252, 252));
    EXPECT_EQ(at(sharp, 24, 80), QColor(252, 252, 252));
}

TEST(Artwork, DiagramMarks) {
    for (Artwork a : {Artwork::dedo1, Artwork::dedo2, Artwork::dedo3, Artwork::dedo4}) {
        const QImage mark = render(a, 4.0);
        EXPECT_EQ(at(mark, 4, 18), Qt::black) << artworkName(a); // the disc's left edge
        EXPECT_LT(qAlpha(mark.pixel(0, 0)), 60) << artworkName(a);
        int white = 0;
        for (int y = 0; y < mark.height(); ++y)
            for (int x = 0; x < mark.width(); ++x) white += luminance(mark.pixel(x, y)) > 230;
        EXPECT_GT(white, 20) << artworkName(a) << ": the digit";
    }
    EXPECT_EQ(at(render(Artwork::dedo6), 7, 1), Qt::black);
    EXPECT_EQ(at(render(Artwork::dedo6), 1, 2), Qt::black);
    EXPECT_EQ(at(render(Artwork::omin1), 3, 3), Qt::black);
    const QImage ring = render(Artwork::omin2);
    EXPECT_GT(luminance(ring.pixel(3, 3)), 200);
    EXPECT_LT(luminance(ring.pixel(0, 3)), 110);
    const QImage cross = render(Artwork::x);
    EXPECT_LT(luminance(cross.pixel(3, 3)), 110);
    EXPECT_LT(qAlpha(cross.pixel(3, 0)), 100);
}

constexpr int kWires[] = {59,  104, 144, 180, 213, 245, 275, 303, 329, 355, 380, 403,
                          425, 446, 467, 487, 507, 527, 546, 563, 579, 594, 607, 619};
constexpr int kStringRows[] = {7, 20, 34, 48, 62, 76}; // highest string first

void expectNeckGeometry(const QImage& neck, const char* name) {
    SCOPED_TRACE(name);
    for (int x : kWires) {
        EXPECT_GT(luminance(neck.pixel(x, 41)), 170) << "wire " << x;
        EXPECT_LT(luminance(neck.pixel(x + 3, 13)), 120) << "board right of wire " << x;
    }
    EXPECT_GT(luminance(neck.pixel(4, 41)), 180) << "nut";
    EXPECT_GT(luminance(neck.pixel(9, 41)), 160) << "nut";
    EXPECT_LT(luminance(neck.pixel(12, 41)), 120) << "board after the nut";
    for (int y : kStringRows) EXPECT_GT(luminance(neck.pixel(300, y)), 110) << "string " << y;
    for (int y : {13, 27, 41, 55, 69}) EXPECT_LT(luminance(neck.pixel(300, y)), 120) << y;
    // Position dots: single at fret 3, double at fret 12, none at fret 4.
    EXPECT_GT(luminance(neck.pixel(124, 42)), 180);
    EXPECT_GT(luminance(neck.pixel(392, 28)), 180);
    EXPECT_GT(luminance(neck.pixel(392, 56)), 180);
    EXPECT_LT(luminance(neck.pixel(392, 42)), 120);
    EXPECT_LT(luminance(neck.pixel(162, 42)), 120);
}

TEST(Artwork, NeckGeometry) {
    const QImage classic = render(Artwork::ImageBracoEletrico);
    const QImage electric = render(Artwork::Image5);
    expectNeckGeometry(classic, "classic");
    expectNeckGeometry(electric, "electric");
    // Electric: the three lowest strings are copper; classic: all six plain and light.
    for (int y : {76, 62, 48}) {
        const QColor wound = electric.pixelColor(300, y);
        EXPECT_GT(wound.red(), wound.blue() + 50) << y;
        const QColor nylon = classic.pixelColor(300, y);
        EXPECT_LT(std::abs(nylon.red() - nylon.blue()), 40) << y;
    }
    for (int y : {34, 20, 7}) {
        const QColor plain = electric.pixelColor(300, y);
        EXPECT_LT(std::abs(plain.red() - plain.blue()), 30) << y;
    }
}

TEST(Artwork, NeckBalls) {
    for (Artwork a : {Artwork::d0, Artwork::d1, Artwork::d2, Artwork::d3, Artwork::d4}) {
        const QImage ball = render(a);
        const QColor side = ball.pixelColor(3, 7);
        EXPECT_GT(side.blue(), side.red() + 60) << artworkName(a);
        EXPECT_LT(qAlpha(ball.pixel(0, 0)), 60) << artworkName(a);
    }
    int white = 0;
    const QImage finger = render(Artwork::d3, 4.0);
    for (int y = 0; y < finger.height(); ++y)
        for (int x = 0; x < finger.width(); ++x) white += luminance(finger.pixel(x, y)) > 230;
    EXPECT_GT(white, 40) << "the digit";
}

TEST(Artwork, BannersShowTheNameInTheirVisibleRows) {
    const QImage main = bannerPixmap(Banner::Image3).toImage();
    ASSERT_EQ(main.size(), QSize(450, 80));
    int bright = 0, amber = 0;
    for (int y = 0; y < 80; ++y) {
        for (int x = 0; x < 450; ++x) {
            const QRgb c = main.pixel(x, y);
            if (y < 16 || y > 63) {
                ASSERT_LT(luminance(c), 200) << "only rows 16 to 63 show: " << x << "," << y;
                continue;
            }
            bright += luminance(c) > 200;
            amber += qRed(c) > 180 && qBlue(c) < 110;
        }
    }
    EXPECT_GT(bright, 150);
    EXPECT_GT(amber, 60);
    EXPECT_LT(luminance(main.pixel(2, 2)), 40);

    const QImage about = bannerPixmap(Banner::About).toImage();
    ASSERT_EQ(about.size(), QSize(209, 41));
    int aboutBright = 0;
    for (int y = 0; y < 41; ++y)
        for (int x = 0; x < 209; ++x) aboutBright += luminance(about.pixel(x, y)) > 200;
    EXPECT_GT(aboutBright, 100);
    EXPECT_LT(luminance(about.pixel(205, 2)), 40);
}

TEST(Artwork, IconsAreSharpAtEveryScale) {
    const QPixmap icon = appIcon().pixmap(QSize(32, 32), 2.0);
    EXPECT_EQ(icon.deviceIndependentSize().toSize(), QSize(32, 32));
    EXPECT_EQ(icon.size(), QSize(64, 64));
    EXPECT_EQ(qAlpha(icon.toImage().pixel(32, 32)), 255);
    EXPECT_EQ(qAlpha(icon.toImage().pixel(0, 0)), 0);

    const QImage glass = searchIcon().pixmap(QSize(16, 16)).toImage();
    const QImage disabled = searchIcon().pixmap(QSize(16, 16), QIcon::Disabled).toImage();
    EXPECT_LT(luminance(glass.pixel(13, 13)), 80);
    EXPECT_GT(qAlpha(glass.pixel(13, 13)), 200);
    EXPECT_GT(luminance(disabled.pixel(13, 13)), 120);
}

// The desktop menu's icon file holds the same picture as the window's icon.
TEST(Artwork, InstalledSvgMatchesTheIcon) {
    QFile file(QStringLiteral(TAMBREL_ASSETS_DIR "/tambrel.svg"));
    const std::string svg = appIconSvg();
    QFile fresh(shotPath("tambrel.svg")); // to copy over the repository's file after a change
    ASSERT_TRUE(fresh.open(QIODevice::WriteOnly));
    fresh.write(svg.data(), static_cast<qint64>(svg.size()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), svg);
}

// A sheet of every picture at 1x and 4x and the banners, to look at.
TEST(Artwork, SaveSheets) {
    for (qreal dpr : {1.0, 4.0}) {
        QImage sheet(QSize(660, 420) * dpr, QImage::Format_ARGB32);
        sheet.setDevicePixelRatio(dpr);
        sheet.fill(QColor(200, 200, 200));
        QPainter painter(&sheet);
        int x = 5;
        for (Artwork a : kAllArtwork) {
            if (a == Artwork::ImageBracoEletrico || a == Artwork::Image5) continue;
            paintArtwork(painter, a, QPoint(x, 5));
            x += artworkSize(a).width() + 8;
        }
        paintArtwork(painter, Artwork::ImageBracoEletrico, QPoint(5, 100));
        paintArtwork(painter, Artwork::Image5, QPoint(5, 195));
        paintBanner(painter, Banner::Image3, QPoint(5, 290));
        paintBanner(painter, Banner::About, QPoint(465, 290));
        paintAppIcon(painter, QRectF(465, 340, 64, 64));
        paintAppIcon(painter, QRectF(540, 340, 32, 32));
        paintAppIcon(painter, QRectF(580, 340, 16, 16));
        paintMagnifier(painter, QRectF(610, 340, 16, 16), QColor(40, 40, 44));
        painter.end();
        EXPECT_TRUE(sheet.save(shotPath(dpr == 1.0 ? "artwork.png" : "artwork@4x.png")));
    }
}

} // namespace
} // namespace tambrel
