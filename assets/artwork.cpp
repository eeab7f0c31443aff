#include "assets/artwork.h"

#include <QFont>
#include <QIconEngine>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <QRadialGradient>
#include <QTransform>
#include <QtMath>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <locale>
#include <sstream>

namespace tambrel {

namespace {

// ---------------------------------------------------------------- shared helpers

QFont artFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// A digit centred on `centre` by its ink, not by its line box, so that it sits in the middle
// of a small disc whatever the font's ascent and descent are.
void paintCentredDigit(QPainter& p, int digit, QPointF centre, int pixelSize, QColor ink) {
    QPainterPath glyph;
    glyph.addText(0, 0, artFont(pixelSize, true), QString::number(digit));
    const QRectF inkBox = glyph.boundingRect();
    glyph.translate(centre - inkBox.center());
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(glyph);
}

// Small deterministic generator for the wood grain, so that every run paints the same neck.
class Grain {
  public:
    explicit Grain(std::uint32_t seed) : state_(seed) {}
    double next() { // uniform in [0, 1)
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<double>(state_ >> 8) / static_cast<double>(1u << 24);
    }
    double between(double low, double high) { return low + (high - low) * next(); }

  private:
    std::uint32_t state_;
};

// ---------------------------------------------------------------- chord diagram pictures

constexpr std::array<int, 6> kGridStringX{0, 11, 22, 33, 44, 55};
constexpr std::array<int, 5> kGridFretY{18, 34, 50, 66, 82};

void paintGrid(QPainter& p, QColor background, QColor ink) {
    // Lines one pixel wide stay equally thick on screens with a fractional scale: each is a
    // whole number of device pixels wide and starts on a device pixel.
    const QTransform device = p.deviceTransform();
    const qreal dpr = device.type() <= QTransform::TxScale && device.m11() > 0 ? device.m11() : 1.0;
    const qreal width = std::max<qreal>(1.0, std::round(dpr));
    const auto line = [&](qreal at, qreal extent) {
        return std::min(std::round(at * dpr), std::floor(extent * dpr) - width) / dpr;
    };
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRectF(0, 0, 56, 83), background);
    const qreal bottom = line(kGridFretY.back(), 83) + width / dpr; // strings end on the last fret
    for (int x : kGridStringX) p.fillRect(QRectF(line(x, 56), 0, width / dpr, bottom), ink);
    p.fillRect(QRectF(0, 0, 56, std::round(3 * dpr) / dpr), ink); // the nut
    for (int y : kGridFretY) p.fillRect(QRectF(0, line(y, 83), 56, width / dpr), ink);
}

void paintFingerMark(QPainter& p, int digit) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QRectF(0, 0, 9, 9));
    paintCentredDigit(p, digit, QPointF(4.5, 4.5), 8, Qt::white);
}

void paintBarSegment(QPainter& p) {
    // Segments overlap along a bar, so only its two ends show the rounding.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRoundedRect(QRectF(0, 0, 15, 4), 1.6, 1.6);
}

void paintStringMark(QPainter& p, Artwork mark) {
    p.setRenderHint(QPainter::Antialiasing);
    switch (mark) {
    case Artwork::omin1:
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawEllipse(QRectF(0, 0, 6, 6));
        break;
    case Artwork::omin2:
        p.setPen(QPen(Qt::black, 1.1));
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(0.55, 0.55, 4.9, 4.9));
        break;
    default: // the cross of a muted string
        p.setPen(QPen(Qt::black, 1.3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(0.75, 0.75), QPointF(5.25, 5.25));
        p.drawLine(QPointF(5.25, 0.75), QPointF(0.75, 5.25));
        break;
    }
}

// ---------------------------------------------------------------- neck pictures

constexpr int kNeckWidth = 625;
constexpr int kNeckHeight = 85;
constexpr int kNutEnd = 9; // last pixel column of the nut
constexpr std::array<int, 24> kFretWireX{59,  104, 144, 180, 213, 245, 275, 303,
                                         329, 355, 380, 403, 425, 446, 467, 487,
                                         507, 527, 546, 563, 579, 594, 607, 619};
// Pixel row of each string, string 0 (lowest) first: the highest string is at the top.
constexpr std::array<int, 6> kNeckStringY{76, 62, 48, 34, 20, 7};

void paintWoodGrain(QPainter& p, std::uint32_t seed, QColor light, QColor dark) {
    Grain grain(seed);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 110; ++i) {
        const double y = grain.between(0.5, kNeckHeight - 0.5);
        const double x0 = grain.between(-120, kNeckWidth - 20);
        const double length = grain.between(80, 320);
        QColor colour = grain.next() < 0.45 ? light : dark;
        colour.setAlpha(static_cast<int>(colour.alpha() * grain.between(0.5, 1.0)));
        QPainterPath line(QPointF(x0, y));
        line.cubicTo(QPointF(x0 + length / 3, y + grain.between(-1.4, 1.4)),
                     QPointF(x0 + 2 * length / 3, y + grain.between(-1.4, 1.4)),
                     QPointF(x0 + length, y + grain.between(-1.0, 1.0)));
        p.setPen(QPen(colour, grain.between(0.35, 1.1)));
        p.drawPath(line);
    }
}

void paintPositionDot(QPainter& p, QPointF centre) {
    QRadialGradient pearl(centre, 4.0, centre + QPointF(-1.2, -1.2));
    pearl.setColorAt(0.0, QColor(255, 253, 246));
    pearl.setColorAt(0.6, QColor(228, 222, 206));
    pearl.setColorAt(1.0, QColor(186, 178, 160));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 0, 0, 90), 0.6));
    p.setBrush(pearl);
    p.drawEllipse(centre, 3.8, 3.8);
}

void paintPositionDots(QPainter& p) {
    const auto spaceCentre = [](int fret) {
        const int left = fret == 1 ? kNutEnd : kFretWireX[fret - 2];
        return (left + kFretWireX[fret - 1] + 1) / 2.0;
    };
    for (int fret : {3, 5, 7, 9, 15, 17, 19, 21})
        paintPositionDot(p, QPointF(spaceCentre(fret), 41.5 + 0.5)); // between strings 2 and 3
    for (int fret : {12, 24}) {
        paintPositionDot(p, QPointF(spaceCentre(fret), 27.5 + 0.5)); // between strings 3 and 4
        paintPositionDot(p, QPointF(spaceCentre(fret), 55.5 + 0.5)); // between strings 1 and 2
    }
}

void paintFretWires(QPainter& p, QColor crown, QColor flank) {
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int x : kFretWireX) {
        p.fillRect(QRectF(x - 1, 0, 1, kNeckHeight), flank);
        p.fillRect(QRectF(x, 0, 1, kNeckHeight), crown);
        if (x + 1 < kNeckWidth) p.fillRect(QRectF(x + 1, 0, 1, kNeckHeight), QColor(0, 0, 0, 95));
    }
}

void paintNut(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, false);
    QLinearGradient bone(0, 0, kNutEnd + 1, 0);
    bone.setColorAt(0.0, QColor(214, 204, 178));
    bone.setColorAt(0.35, QColor(248, 243, 228));
    bone.setColorAt(1.0, QColor(218, 208, 182));
    p.fillRect(QRectF(0, 0, kNutEnd + 1, kNeckHeight), bone);
    p.fillRect(QRectF(kNutEnd + 1, 0, 1, kNeckHeight), QColor(0, 0, 0, 120));
}

void paintBoardEdges(QPainter& p, QColor binding) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRectF(0, 0, kNeckWidth, 1), binding);
    p.fillRect(QRectF(0, kNeckHeight - 1, kNeckWidth, 1), binding);
    p.fillRect(QRectF(0, 1, kNeckWidth, 1), QColor(0, 0, 0, 70));
    p.fillRect(QRectF(0, kNeckHeight - 2, kNeckWidth, 1), QColor(0, 0, 0, 70));
}

// A plain string: a light line with a soft shadow on the board below it.
void paintPlainString(QPainter& p, int row, double width, QColor colour) {
    const double centre = row + 0.5;
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRectF(kNutEnd + 1, centre + width / 2 + 0.4, kNeckWidth - kNutEnd - 1, 1.0),
               QColor(0, 0, 0, 80));
    QLinearGradient body(0, centre - width / 2, 0, centre + width / 2);
    body.setColorAt(0.0, colour.lighter(112));
    body.setColorAt(1.0, colour.darker(118));
    p.fillRect(QRectF(0, centre - width / 2, kNeckWidth, width),
               width > 1.2 ? QBrush(body) : QBrush(colour));
}

// A wound string: copper with the slanted turns of its winding.
void paintWoundString(QPainter& p, int row, double width) {
    const double centre = row + 0.5;
    const double top = centre - width / 2;
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRectF(kNutEnd + 1, centre + width / 2 + 0.4, kNeckWidth - kNutEnd - 1, 1.0),
               QColor(0, 0, 0, 90));
    QLinearGradient copper(0, top, 0, top + width);
    copper.setColorAt(0.0, QColor(246, 190, 128));
    copper.setColorAt(0.45, QColor(200, 124, 62));
    copper.setColorAt(1.0, QColor(120, 66, 28));
    p.fillRect(QRectF(0, top, kNeckWidth, width), copper);
    QPainterPath turns;
    for (double x = 0; x < kNeckWidth; x += 1.8) {
        turns.moveTo(x, top);
        turns.lineTo(x + 1.1, top + width);
    }
    p.setPen(QPen(QColor(92, 46, 16, 150), 0.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(turns);
}

void paintNeck(QPainter& p, bool electric) {
    // The grain and the strings run past the edges; the picture ends at its size.
    p.setClipRect(QRectF(0, 0, kNeckWidth, kNeckHeight),
                  p.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    QLinearGradient board(0, 0, 0, kNeckHeight);
    if (electric) { // ebony
        board.setColorAt(0.0, QColor(46, 36, 32));
        board.setColorAt(0.5, QColor(28, 22, 20));
        board.setColorAt(1.0, QColor(42, 33, 29));
    } else { // rosewood
        board.setColorAt(0.0, QColor(96, 58, 38));
        board.setColorAt(0.5, QColor(68, 41, 27));
        board.setColorAt(1.0, QColor(88, 53, 35));
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRectF(0, 0, kNeckWidth, kNeckHeight), board);
    if (electric)
        paintWoodGrain(p, 0x5eedu, QColor(150, 130, 115, 22), QColor(0, 0, 0, 60));
    else
        paintWoodGrain(p, 0xa11ceu, QColor(196, 140, 100, 34), QColor(24, 12, 6, 70));
    paintBoardEdges(p, electric ? QColor(236, 230, 212) : QColor(120, 78, 52));
    paintPositionDots(p);
    if (electric)
        paintFretWires(p, QColor(236, 236, 232), QColor(150, 150, 146));
    else
        paintFretWires(p, QColor(226, 220, 204), QColor(150, 140, 120));
    paintNut(p);

    if (electric) {
        constexpr std::array<double, 3> kPlainWidth{1.5, 1.2, 1.0}; // strings 3, 4, 5
        constexpr std::array<double, 3> kWoundWidth{2.8, 2.4, 2.0}; // strings 0, 1, 2
        for (int s = 0; s < 3; ++s) paintWoundString(p, kNeckStringY[s], kWoundWidth[s]);
        for (int s = 3; s < 6; ++s)
            paintPlainString(p, kNeckStringY[s], kPlainWidth[s - 3], QColor(226, 229, 234));
    } else {
        // Nylon: bass strings silvery, trebles the colour of clear nylon.
        constexpr std::array<double, 6> kWidth{2.6, 2.2, 1.8, 1.6, 1.3, 1.0};
        for (int s = 0; s < 6; ++s)
            paintPlainString(p, kNeckStringY[s], kWidth[s],
                             s < 3 ? QColor(222, 222, 216) : QColor(242, 236, 220));
    }
}

// A blue ball on the neck, with its finger number when it has one (0: none).
void paintBall(QPainter& p, QRectF box, int digit) {
    // A mark's top edge is six pixels above its string, so the ball sits a little below the
    // middle of its box to lie on the string.
    const double radius = 5.2; // and a 0.8 outline
    const QPointF centre(box.center().x(), box.center().y() + 0.2);
    QRadialGradient blue(centre, radius, centre + QPointF(-radius * 0.38, -radius * 0.42));
    blue.setColorAt(0.0, QColor(150, 198, 255));
    blue.setColorAt(0.45, QColor(42, 112, 226));
    blue.setColorAt(1.0, QColor(14, 52, 152));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(6, 26, 88), 0.8));
    p.setBrush(blue);
    p.drawEllipse(centre, radius, radius);
    if (digit > 0) paintCentredDigit(p, digit, centre, 9, Qt::white);
}

// ---------------------------------------------------------------- application icon

// The icon is a chord diagram of C major on a rosewood tile, on a 64 x 64 design grid. These
// numbers feed both the QPainter version and the SVG one.
constexpr double kIconTileInset = 3, kIconTileSize = 58, kIconTileRadius = 12;
constexpr double kIconGridLeft = 15, kIconGridRight = 49, kIconNutTop = 12, kIconNutHeight = 4.5;
constexpr double kIconGridBottom = 53;
constexpr std::array<double, 3> kIconFretY{25, 38, 51};
constexpr double kIconStringWidth = 1.8, kIconFretWidth = 1.6, kIconBallRadius = 4.8;
struct IconBall {
    int string; // 0 = lowest
    int fret;
};
constexpr std::array<IconBall, 3> kIconBalls{{{4, 1}, {2, 2}, {1, 3}}};
constexpr const char* kIconTileTop = "#6a4129";
constexpr const char* kIconTileBottom = "#2f1c12";
constexpr const char* kIconTileEdge = "#1e120b";
constexpr const char* kIconInk = "#f6f0e2";
constexpr const char* kIconBallLight = "#96c6ff";
constexpr const char* kIconBallMid = "#2a70e2";
constexpr const char* kIconBallDark = "#0e3498";

double iconStringX(int s) {
    return kIconGridLeft + (kIconGridRight - kIconGridLeft) * s / 5.0;
}
double iconBallY(int fret) {
    const double upper = fret == 1 ? kIconNutTop + kIconNutHeight : kIconFretY[fret - 2];
    return (upper + kIconFretY[fret - 1]) / 2;
}

void paintIconDesign(QPainter& p) { // on the 64 x 64 grid
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient tile(0, kIconTileInset, 0, kIconTileInset + kIconTileSize);
    tile.setColorAt(0.0, QColor(kIconTileTop));
    tile.setColorAt(1.0, QColor(kIconTileBottom));
    p.setPen(QPen(QColor(kIconTileEdge), 1.5));
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(kIconTileInset, kIconTileInset, kIconTileSize, kIconTileSize),
                      kIconTileRadius, kIconTileRadius);

    const QColor ink(kIconInk);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRect(QRectF(kIconGridLeft - kIconStringWidth / 2, kIconNutTop,
                      kIconGridRight - kIconGridLeft + kIconStringWidth, kIconNutHeight));
    for (int s = 0; s < 6; ++s)
        p.drawRect(QRectF(iconStringX(s) - kIconStringWidth / 2, kIconNutTop, kIconStringWidth,
                          kIconGridBottom - kIconNutTop));
    for (double y : kIconFretY)
        p.drawRect(QRectF(kIconGridLeft - kIconStringWidth / 2, y - kIconFretWidth / 2,
                          kIconGridRight - kIconGridLeft + kIconStringWidth, kIconFretWidth));

    for (const IconBall& ball : kIconBalls) {
        const QPointF centre(iconStringX(ball.string), iconBallY(ball.fret));
        QRadialGradient blue(centre, kIconBallRadius, centre + QPointF(-1.6, -1.8));
        blue.setColorAt(0.0, QColor(kIconBallLight));
        blue.setColorAt(0.5, QColor(kIconBallMid));
        blue.setColorAt(1.0, QColor(kIconBallDark));
        p.setPen(QPen(QColor(6, 26, 88), 0.8));
        p.setBrush(blue);
        p.drawEllipse(centre, kIconBallRadius, kIconBallRadius);
    }
}

// ---------------------------------------------------------------- banners

void paintBannerBackground(QPainter& p, QSizeF size) {
    p.setClipRect(QRectF(QPointF(0, 0), size),
                  p.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    p.setRenderHint(QPainter::Antialiasing, false);
    QLinearGradient dark(0, 0, size.width(), 0);
    dark.setColorAt(0.0, QColor(20, 16, 16));
    dark.setColorAt(0.55, QColor(44, 29, 22));
    dark.setColorAt(1.0, QColor(16, 13, 14));
    p.fillRect(QRectF(QPointF(0, 0), size), dark);

    // Six strings and a few fret wires that fade in towards the right.
    p.setRenderHint(QPainter::Antialiasing);
    const double left = size.width() * 0.66;
    const double top = size.height() * 0.29;
    const double pitch = size.height() * 0.085;
    for (int s = 0; s < 6; ++s) {
        QLinearGradient fade(left, 0, size.width(), 0);
        fade.setColorAt(0.0, QColor(230, 220, 200, 0));
        fade.setColorAt(1.0, QColor(230, 220, 200, 70 + 14 * s));
        p.fillRect(QRectF(left, top + pitch * s, size.width() - left, 0.6 + 0.15 * s), fade);
    }
    for (int f = 1; f <= 4; ++f) {
        const double x = left + (size.width() - left) * (0.25 * f - 0.04);
        p.fillRect(QRectF(x, top - pitch * 0.8, 1.0, pitch * 6.6),
                   QColor(200, 196, 188, 10 + 9 * f));
    }
}

void paintMainBanner(QPainter& p) {
    const QSizeF size(450, 80);
    paintBannerBackground(p, size);
    // Only rows 16 to 63 show in the window, so everything stands inside them.
    p.save();
    p.translate(14, 22);
    p.scale(36.0 / 64, 36.0 / 64);
    paintIconDesign(p);
    p.restore();

    const QFont name = artFont(30, true);
    p.setFont(name);
    p.setPen(QColor(248, 240, 222));
    p.drawText(QPointF(60, 51), QStringLiteral("Tambrel"));
    const double after = 60 + QFontMetricsF(name).horizontalAdvance(QStringLiteral("Tambrel"));
    QFont words = artFont(14, false);
    words.setLetterSpacing(QFont::AbsoluteSpacing, 1.2);
    p.setFont(words);
    p.setPen(QColor(234, 170, 76));
    p.drawText(QPointF(after + 12, 50), QStringLiteral("chord dictionary"));
}

void paintAboutBanner(QPainter& p) {
    const QSizeF size(209, 41);
    paintBannerBackground(p, size);
    p.save();
    p.translate(6, 5.5);
    p.scale(30.0 / 64, 30.0 / 64);
    paintIconDesign(p);
    p.restore();
    p.setFont(artFont(22, true));
    p.setPen(QColor(248, 240, 222));
    p.drawText(QPointF(42, 29), QStringLiteral("Tambrel"));
}

// ---------------------------------------------------------------- icons

// An icon painted from its vector picture at whatever size and pixel ratio it is asked for.
class VectorIconEngine : public QIconEngine {
  public:
    using Paint = void (*)(QPainter&, const QRectF&, QIcon::Mode);
    explicit VectorIconEngine(Paint paint) : paint_(paint) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        painter->save();
        paint_(*painter, rect, mode);
        painter->restore();
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        painter.end();
        return QPixmap::fromImage(image);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}};
    }
    QIconEngine* clone() const override { return new VectorIconEngine(paint_); }
    QString key() const override { return QStringLiteral("tambrel-vector"); }

  private:
    Paint paint_;
};

template <typename PaintFn> QPixmap renderPixmap(QSize logical, qreal dpr, PaintFn paint) {
    if (dpr <= 0) dpr = 1;
    QImage image(QSize(qCeil(logical.width() * dpr), qCeil(logical.height() * dpr)),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paint(painter);
    painter.end();
    return QPixmap::fromImage(image);
}

} // namespace

// ---------------------------------------------------------------- public API

QSize artworkSize(Artwork artwork) {
    switch (artwork) {
    case Artwork::braco:
    case Artwork::braco2:
        return {56, 83};
    case Artwork::dedo1:
    case Artwork::dedo2:
    case Artwork::dedo3:
    case Artwork::dedo4:
        return {9, 9};
    case Artwork::dedo6:
        return {15, 4};
    case Artwork::omin1:
    case Artwork::omin2:
    case Artwork::x:
        return {6, 6};
    case Artwork::ImageBracoEletrico:
    case Artwork::Image5:
        return {kNeckWidth, kNeckHeight};
    case Artwork::d0:
        return {12, 12};
    case Artwork::d1:
    case Artwork::d2:
    case Artwork::d3:
    case Artwork::d4:
        return {13, 12};
    }
    return {};
}

void paintArtwork(QPainter& painter, Artwork artwork, QPoint at) {
    painter.save();
    painter.translate(at);
    switch (artwork) {
    case Artwork::braco:
        paintGrid(painter, QColor(252, 252, 252), Qt::black);
        break;
    case Artwork::braco2:
        paintGrid(painter, QColor(236, 233, 216), QColor(18, 18, 12));
        break;
    case Artwork::dedo1:
        paintFingerMark(painter, 1);
        break;
    case Artwork::dedo2:
        paintFingerMark(painter, 2);
        break;
    case Artwork::dedo3:
        paintFingerMark(painter, 3);
        break;
    case Artwork::dedo4:
        paintFingerMark(painter, 4);
        break;
    case Artwork::dedo6:
        paintBarSegment(painter);
        break;
    case Artwork::omin1:
    case Artwork::omin2:
    case Artwork::x:
        paintStringMark(painter, artwork);
        break;
    case Artwork::ImageBracoEletrico:
        paintNeck(painter, false);
        break;
    case Artwork::Image5:
        paintNeck(painter, true);
        break;
    case Artwork::d0:
        paintBall(painter, QRectF(0, 0, 12, 12), 0);
        break;
    case Artwork::d1:
        paintBall(painter, QRectF(0, 0, 13, 12), 1);
        break;
    case Artwork::d2:
        paintBall(painter, QRectF(0, 0, 13, 12), 2);
        break;
    case Artwork::d3:
        paintBall(painter, QRectF(0, 0, 13, 12), 3);
        break;
    case Artwork::d4:
        paintBall(painter, QRectF(0, 0, 13, 12), 4);
        break;
    }
    painter.restore();
}

QPixmap renderedPixmap(QSize logical, qreal dpr, const std::function<void(QPainter&)>& paint) {
    return renderPixmap(logical, dpr, paint);
}

QPixmap artworkPixmap(Artwork artwork, qreal dpr) {
    return renderPixmap(artworkSize(artwork), dpr,
                        [artwork](QPainter& p) { paintArtwork(p, artwork, QPoint(0, 0)); });
}

QPixmap cachedArtworkPixmap(Artwork artwork, qreal dpr) {
    const QString key =
        QStringLiteral("tambrel-artwork-%1-%2").arg(static_cast<int>(artwork)).arg(dpr, 0, 'f', 3);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = artworkPixmap(artwork, dpr);
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

QSize bannerSize(Banner banner) {
    return banner == Banner::Image3 ? QSize(450, 80) : QSize(209, 41);
}

void paintBanner(QPainter& painter, Banner banner, QPoint at) {
    painter.save();
    painter.translate(at);
    if (banner == Banner::Image3)
        paintMainBanner(painter);
    else
        paintAboutBanner(painter);
    painter.restore();
}

QPixmap bannerPixmap(Banner banner, qreal dpr) {
    return renderPixmap(bannerSize(banner), dpr,
                        [banner](QPainter& p) { paintBanner(p, banner, QPoint(0, 0)); });
}

void paintAppIcon(QPainter& painter, const QRectF& box) {
    const double side = std::min(box.width(), box.height());
    painter.save();
    painter.translate(box.center() - QPointF(side / 2, side / 2));
    painter.scale(side / 64, side / 64);
    paintIconDesign(painter);
    painter.restore();
}

QIcon appIcon() {
    return QIcon(new VectorIconEngine(
        [](QPainter& p, const QRectF& box, QIcon::Mode) { paintAppIcon(p, box); }));
}

std::string appIconSvg() {
    std::ostringstream svg;
    svg.imbue(std::locale::classic()); // decimal points whatever the desktop language
    svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" "
           "viewBox=\"0 0 64 64\">\n"
        << "  <title>Tambrel</title>\n"
        << "  <defs>\n"
        << "    <linearGradient id=\"tile\" x1=\"0\" y1=\"" << kIconTileInset << "\" x2=\"0\" y2=\""
        << kIconTileInset + kIconTileSize << "\" gradientUnits=\"userSpaceOnUse\">\n"
        << "      <stop offset=\"0\" stop-color=\"" << kIconTileTop << "\"/>\n"
        << "      <stop offset=\"1\" stop-color=\"" << kIconTileBottom << "\"/>\n"
        << "    </linearGradient>\n"
        << "    <radialGradient id=\"ball\" cx=\"0.5\" cy=\"0.5\" r=\"0.5\" fx=\""
        << 0.5 - 1.6 / (2 * kIconBallRadius) << "\" fy=\"" << 0.5 - 1.8 / (2 * kIconBallRadius)
        << "\">\n"
        << "      <stop offset=\"0\" stop-color=\"" << kIconBallLight << "\"/>\n"
        << "      <stop offset=\"0.5\" stop-color=\"" << kIconBallMid << "\"/>\n"
        << "      <stop offset=\"1\" stop-color=\"" << kIconBallDark << "\"/>\n"
        << "    </radialGradient>\n"
        << "  </defs>\n"
        << "  <rect x=\"" << kIconTileInset << "\" y=\"" << kIconTileInset << "\" width=\""
        << kIconTileSize << "\" height=\"" << kIconTileSize << "\" rx=\"" << kIconTileRadius
        << "\" fill=\"url(#tile)\" stroke=\"" << kIconTileEdge << "\" stroke-width=\"1.5\"/>\n"
        << "  <g fill=\"" << kIconInk << "\">\n"
        << "    <rect x=\"" << kIconGridLeft - kIconStringWidth / 2 << "\" y=\"" << kIconNutTop
        << "\" width=\"" << kIconGridRight - kIconGridLeft + kIconStringWidth << "\" height=\""
        << kIconNutHeight << "\"/>\n";
    for (int s = 0; s < 6; ++s)
        svg << "    <rect x=\"" << iconStringX(s) - kIconStringWidth / 2 << "\" y=\"" << kIconNutTop
            << "\" width=\"" << kIconStringWidth << "\" height=\"" << kIconGridBottom - kIconNutTop
            << "\"/>\n";
    for (double y : kIconFretY)
        svg << "    <rect x=\"" << kIconGridLeft - kIconStringWidth / 2 << "\" y=\""
            << y - kIconFretWidth / 2 << "\" width=\""
            << kIconGridRight - kIconGridLeft + kIconStringWidth << "\" height=\"" << kIconFretWidth
            << "\"/>\n";
    svg << "  </g>\n"
        << "  <g fill=\"url(#ball)\" stroke=\"#061a58\" stroke-width=\"0.8\">\n";
    for (const IconBall& ball : kIconBalls)
        svg << "    <circle cx=\"" << iconStringX(ball.string) << "\" cy=\"" << iconBallY(ball.fret)
            << "\" r=\"" << kIconBallRadius << "\"/>\n";
    svg << "  </g>\n"
        << "</svg>\n";
    return svg.str();
}

void paintMagnifier(QPainter& painter, const QRectF& box, const QColor& ink) {
    const double side = std::min(box.width(), box.height());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.center() - QPointF(side / 2, side / 2));
    painter.scale(side / 16, side / 16);
    QColor glass = ink;
    glass.setAlpha(40);
    painter.setPen(QPen(ink, 1.7));
    painter.setBrush(glass);
    painter.drawEllipse(QPointF(6.6, 6.6), 4.3, 4.3);
    painter.setPen(QPen(ink, 2.7, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(9.9, 9.9), QPointF(13.9, 13.9));
    painter.restore();
}

QIcon searchIcon() {
    return QIcon(new VectorIconEngine([](QPainter& p, const QRectF& box, QIcon::Mode mode) {
        paintMagnifier(p, box,
                       mode == QIcon::Disabled ? QColor(150, 150, 150) : QColor(40, 40, 44));
    }));
}

} // namespace tambrel
