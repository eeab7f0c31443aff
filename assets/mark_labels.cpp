#include "assets/mark_labels.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>

#include "assets/artwork.h"

namespace tambrel {

namespace {

constexpr int kDiscSize = 11;
constexpr int kCaptionWidth = 16;
constexpr int kCaptionHeight = 8;

QFont labelFont(int pixelSize) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

// The label as a path, centred on `centre` by its advance across and its cap height up and
// down, so that "b7" and "C#" sit as a reader expects, whatever their ink.
QPainterPath centredLabel(const QString& label, QPointF centre, int pixelSize, qreal width) {
    const QFont font = labelFont(pixelSize);
    const QFontMetricsF metrics(font);
    QPainterPath path;
    path.addText(0, 0, font, label);
    const qreal advance = metrics.horizontalAdvance(label);
    // Squeezed across when it is wider than the room, never stretched.
    const qreal squeeze = advance > width ? width / advance : 1.0;
    QTransform place;
    place.translate(centre.x() - advance * squeeze / 2, centre.y() + metrics.capHeight() / 2);
    place.scale(squeeze, 1.0);
    return place.map(path);
}

// Longer labels get smaller letters: one character fills the disc, three ("b13") still fit.
int discTextSize(const QString& label) {
    switch (label.size()) {
    case 0:
    case 1:
        return 8;
    case 2:
        return 7;
    default:
        return 6;
    }
}

// Paints in black on the picture's own coordinates, leaving the painter as it was.
template <typename PaintFn> void paintInBlack(QPainter& painter, QPoint at, PaintFn paint) {
    painter.save();
    painter.translate(at);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    paint();
    painter.restore();
}

QPixmap cached(const QString& kind, const QString& label, qreal dpr, QSize size,
               void (*paint)(QPainter&, const QString&, QPoint)) {
    const QString key = QStringLiteral("tambrel-%1-%2-%3").arg(kind, label).arg(dpr, 0, 'f', 3);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = renderedPixmap(size, dpr, [&](QPainter& p) { paint(p, label, QPoint(0, 0)); });
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

} // namespace

QSize labelledMarkSize() {
    return {kDiscSize, kDiscSize};
}

QSize stringCaptionSize() {
    return {kCaptionWidth, kCaptionHeight};
}

QPoint labelledMarkCorner(QPoint fingerMark) {
    return fingerMark - QPoint(1, 1);
}

QPoint stringCaptionCorner(QPoint stringMark) {
    // Centred under the 6-unit mark, a unit below it.
    return stringMark + QPoint(3 - kCaptionWidth / 2, 7);
}

void paintLabelledMark(QPainter& painter, const QString& label, QPoint at) {
    paintInBlack(painter, at, [&] {
        painter.drawEllipse(QRectF(0, 0, kDiscSize, kDiscSize));
        painter.setBrush(Qt::white);
        painter.drawPath(centredLabel(label, QPointF(kDiscSize / 2.0, kDiscSize / 2.0),
                                      discTextSize(label), kDiscSize - 1.5));
    });
}

void paintStringCaption(QPainter& painter, const QString& label, QPoint at) {
    paintInBlack(painter, at, [&] {
        painter.drawPath(centredLabel(label, QPointF(kCaptionWidth / 2.0, kCaptionHeight / 2.0), 7,
                                      kCaptionWidth));
    });
}

QPixmap cachedLabelledMarkPixmap(const QString& label, qreal dpr) {
    return cached(QStringLiteral("disc"), label, dpr, labelledMarkSize(), &paintLabelledMark);
}

QPixmap cachedStringCaptionPixmap(const QString& label, qreal dpr) {
    return cached(QStringLiteral("caption"), label, dpr, stringCaptionSize(), &paintStringCaption);
}

} // namespace tambrel
