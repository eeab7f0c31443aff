#include "assets/mark_labels.h"

#include <QPainter>
#include <QPixmapCache>

#include "assets/artwork.h"

namespace tambrel {

namespace {

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
    const ArtPicture disc = labelledMarkPicture("");
    return {disc.width, disc.height};
}

QSize stringCaptionSize() {
    const ArtPicture caption = stringCaptionPicture("");
    return {caption.width, caption.height};
}

QPoint labelledMarkCorner(QPoint fingerMark) {
    const PixelPoint corner = labelledMarkCorner(fingerMark.x(), fingerMark.y());
    return {corner.x, corner.y};
}

QPoint stringCaptionCorner(QPoint stringMark) {
    const PixelPoint corner = stringCaptionCorner(stringMark.x(), stringMark.y());
    return {corner.x, corner.y};
}

void paintLabelledMark(QPainter& painter, const QString& label, QPoint at) {
    paintPicture(painter, labelledMarkPicture(label.toStdString()), at);
}

void paintStringCaption(QPainter& painter, const QString& label, QPoint at) {
    paintPicture(painter, stringCaptionPicture(label.toStdString()), at);
}

QPixmap cachedLabelledMarkPixmap(const QString& label, qreal dpr) {
    return cached(QStringLiteral("disc"), label, dpr, labelledMarkSize(), &paintLabelledMark);
}

QPixmap cachedStringCaptionPixmap(const QString& label, qreal dpr) {
    return cached(QStringLiteral("caption"), label, dpr, stringCaptionSize(), &paintStringCaption);
}

} // namespace tambrel
