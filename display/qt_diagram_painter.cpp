#include "display/qt_diagram_painter.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <QTransform>

#include "assets/artwork.h"
#include "assets/mark_labels.h"

namespace tambrel {

namespace {

// The device pixels per logical pixel when the painter only moves and scales evenly (the
// usual case, also when a widget is rendered into an image of another pixel ratio); 0 when
// it rotates, shears or stretches, where only painting the vectors gives a true picture.
qreal devicePixmapScale(const QPainter& painter) {
    const QTransform device = painter.deviceTransform();
    if (device.type() > QTransform::TxScale || device.m11() <= 0 ||
        !qFuzzyCompare(device.m11(), device.m22()))
        return 0;
    return device.m11();
}

} // namespace

QtDiagramPainter::QtDiagramPainter(QPainter& painter, ArtworkDrawing drawing)
    : painter_(painter), drawing_(drawing), font_(textFont()), metrics_(font_) {}

qreal QtDiagramPainter::pixmapScale() const {
    return drawing_ == ArtworkDrawing::Cached ? devicePixmapScale(painter_) : 0;
}

QFont QtDiagramPainter::textFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

void QtDiagramPainter::drawArtwork(Artwork artwork, int x, int y) {
    // A canvas shows hundreds of marks: unless the painter turns or stretches, they come from
    // pixmaps painted once for its device pixel scale, as sharp as painting the vectors.
    if (const qreal scale = pixmapScale(); scale > 0) {
        painter_.drawPixmap(QPoint(x, y), cachedArtworkPixmap(artwork, scale));
        return;
    }
    paintArtwork(painter_, artwork, QPoint(x, y));
}

void QtDiagramPainter::drawLabelledMark(const std::string& label, int x, int y) {
    const QString text = QString::fromStdString(label);
    const QPoint at = labelledMarkCorner(QPoint(x, y));
    if (const qreal scale = pixmapScale(); scale > 0) {
        painter_.drawPixmap(at, cachedLabelledMarkPixmap(text, scale));
        return;
    }
    paintLabelledMark(painter_, text, at);
}

void QtDiagramPainter::drawStringCaption(const std::string& label, int x, int y) {
    const QString text = QString::fromStdString(label);
    const QPoint at = stringCaptionCorner(QPoint(x, y));
    if (const qreal scale = pixmapScale(); scale > 0) {
        painter_.drawPixmap(at, cachedStringCaptionPixmap(text, scale));
        return;
    }
    paintStringCaption(painter_, text, at);
}

void QtDiagramPainter::drawText(const std::string& text, int x, int y) {
    const QString qtext = QString::fromStdString(text);
    painter_.fillRect(QRect(x, y, metrics_.horizontalAdvance(qtext), metrics_.height()), Qt::white);
    painter_.setFont(font_);
    painter_.setPen(Qt::black);
    painter_.drawText(QPoint(x, y + metrics_.ascent()), qtext);
}

int QtDiagramPainter::textLeftOf(const std::string& text, int x, int right) {
    // The exact advance, not the rounded one: glyphs are placed at fractional positions on
    // screens that scale by 1.25 or 1.5.
    return leftClearOf(QFontMetricsF(textFont()).horizontalAdvance(QString::fromStdString(text)), x,
                       right);
}

void QtDiagramPainter::drawTextLeftOf(const std::string& text, int x, int y, int right) {
    drawText(text, textLeftOf(text, x, right), y);
}

} // namespace tambrel
