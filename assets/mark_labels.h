#pragma once
// The labelled marks of a chord diagram whose dots carry note names or intervals: a black
// disc with a short white label in place of a finger mark, and a small black label under an
// open string's ring, as described in artwork_shapes.h. Painted as vectors at their logical
// sizes, like the other artwork.
#include <QPixmap>
#include <QPoint>
#include <QSize>
#include <QString>

class QPainter;

namespace tambrel {

// The disc's picture is 11 x 11: one unit wider than the 9 x 9 finger mark on every side, with
// the same centre. The caption's picture is 16 x 8, centred under a 6 x 6 string mark.
QSize labelledMarkSize();
QSize stringCaptionSize();
// Where the pictures go for a finger mark, or a string mark, with its top-left corner at `at`.
QPoint labelledMarkCorner(QPoint fingerMark);
QPoint stringCaptionCorner(QPoint stringMark);

// Paint with the picture's top-left corner at `at`; the painter's state is left as it was.
void paintLabelledMark(QPainter& painter, const QString& label, QPoint at);
void paintStringCaption(QPainter& painter, const QString& label, QPoint at);

// The pictures painted once per label and pixel ratio and kept in QPixmapCache.
QPixmap cachedLabelledMarkPixmap(const QString& label, qreal dpr);
QPixmap cachedStringCaptionPixmap(const QString& label, qreal dpr);

} // namespace tambrel
