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

QColor qtColour(Rgba colour) {
    return {colour.red, colour.green, colour.blue, colour.alpha};
}

QBrush qtBrush(const ArtPaint& paint) {
    const auto withStops = [&paint](QGradient gradient) {
        for (const ColourStop& stop : paint.stops)
            gradient.setColorAt(stop.offset, qtColour(stop.colour));
        return QBrush(gradient);
    };
    switch (paint.kind) {
    case ArtPaint::Kind::None:
        break;
    case ArtPaint::Kind::Solid:
        return {qtColour(paint.colour)};
    case ArtPaint::Kind::Linear:
        return withStops(QLinearGradient(QPointF(paint.start.x, paint.start.y),
                                         QPointF(paint.end.x, paint.end.y)));
    case ArtPaint::Kind::Radial:
        return withStops(QRadialGradient(QPointF(paint.start.x, paint.start.y), paint.radius,
                                         QPointF(paint.end.x, paint.end.y)));
    }
    return {Qt::NoBrush};
}

QPen qtPen(const ArtStroke& stroke) {
    if (stroke.width <= 0) return {Qt::NoPen};
    return {QBrush(qtColour(stroke.colour)), stroke.width, Qt::SolidLine,
            stroke.roundCap ? Qt::RoundCap : Qt::SquareCap};
}

// One axis of a rectangle on whole device pixels, `dpr` of them to a unit, inside a picture
// `extent` units long: a line one unit thick is as many whole device pixels thick wherever it
// lies, and ends inside the picture; a wider band ends on the last whole pixel of the picture
// at most.
std::pair<qreal, qreal> devicePixelSpan(qreal at, qreal size, qreal extent, qreal dpr) {
    const qreal last = std::floor(extent * dpr);
    if (size <= 1) {
        const qreal width = std::max<qreal>(1.0, std::round(dpr * size));
        return {std::min(std::round(at * dpr), last - width) / dpr, width / dpr};
    }
    const qreal start = std::round(at * dpr);
    return {start / dpr, (std::min(std::round((at + size) * dpr), last) - start) / dpr};
}

QRectF devicePixelRect(const QPainter& p, const ArtShape& shape, const ArtPicture& picture) {
    const QTransform device = p.deviceTransform();
    const qreal dpr = device.type() <= QTransform::TxScale && device.m11() > 0 ? device.m11() : 1.0;
    const auto [x, width] = devicePixelSpan(shape.x, shape.width, picture.width, dpr);
    const auto [y, height] = devicePixelSpan(shape.y, shape.height, picture.height, dpr);
    return {x, y, width, height};
}

// A text centred on the shape's point: by its ink, or across by its advance (squeezed to the
// fit width, never stretched) and up and down by the capital height.
QPainterPath centredText(const ArtShape& shape) {
    const QFont font = artFont(static_cast<int>(shape.textSize), true);
    const QString label = QString::fromStdString(shape.text);
    QPainterPath path;
    path.addText(0, 0, font, label);
    if (shape.centre == ArtShape::TextCentre::Ink) {
        path.translate(QPointF(shape.x, shape.y) - path.boundingRect().center());
        return path;
    }
    const QFontMetricsF metrics(font);
    const qreal advance = metrics.horizontalAdvance(label);
    const qreal squeeze =
        shape.fitWidth > 0 && advance > shape.fitWidth ? shape.fitWidth / advance : 1.0;
    QTransform place;
    place.translate(shape.x - advance * squeeze / 2, shape.y + metrics.capHeight() / 2);
    place.scale(squeeze, 1.0);
    return place.map(path);
}

QPainterPath qtPath(const std::vector<PathStep>& steps) {
    QPainterPath path;
    for (const PathStep& step : steps) {
        const QPointF to(step.to.x, step.to.y);
        switch (step.kind) {
        case PathStep::Kind::Move:
            path.moveTo(to);
            break;
        case PathStep::Kind::Line:
            path.lineTo(to);
            break;
        case PathStep::Kind::Cubic:
            path.cubicTo(QPointF(step.control1.x, step.control1.y),
                         QPointF(step.control2.x, step.control2.y), to);
            break;
        }
    }
    return path;
}

void paintShape(QPainter& p, const ArtShape& shape, const ArtPicture& picture) {
    p.setRenderHint(QPainter::Antialiasing, shape.edges == ArtShape::Edges::Smooth);
    const QRectF box(shape.x, shape.y, shape.width, shape.height);
    p.setPen(qtPen(shape.stroke));
    p.setBrush(qtBrush(shape.fill));
    switch (shape.kind) {
    case ArtShape::Kind::Rect:
        if (shape.radius > 0)
            p.drawRoundedRect(box, shape.radius, shape.radius);
        else if (shape.stroke.width > 0)
            p.drawRect(box);
        else
            p.fillRect(shape.edges == ArtShape::Edges::DevicePixels
                           ? devicePixelRect(p, shape, picture)
                           : box,
                       qtBrush(shape.fill));
        break;
    case ArtShape::Kind::Ellipse:
        p.drawEllipse(box);
        break;
    case ArtShape::Kind::Path:
        p.drawPath(qtPath(shape.path));
        break;
    case ArtShape::Kind::Text:
        p.setPen(Qt::NoPen);
        p.drawPath(centredText(shape));
        break;
    }
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
    const ArtPicture& picture = artworkPicture(artwork);
    return {picture.width, picture.height};
}

void paintArtwork(QPainter& painter, Artwork artwork, QPoint at) {
    paintPicture(painter, artworkPicture(artwork), at);
}

void paintPicture(QPainter& painter, const ArtPicture& picture, QPoint at) {
    painter.save();
    painter.translate(at);
    if (picture.clipped)
        painter.setClipRect(QRectF(0, 0, picture.width, picture.height),
                            painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    for (const ArtShape& shape : picture.shapes) paintShape(painter, shape, picture);
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
