#pragma once
// The program's pictures (their shapes in artwork_shapes.h), painted with QPainter at their
// logical sizes. Painted
// straight onto a widget they are sharp at every device pixel ratio; a pixmap made for a given
// ratio is sharp on a screen of that ratio.
#include <QIcon>
#include <QPixmap>
#include <QPoint>
#include <QRectF>
#include <QSize>
#include <functional>
#include <string>

#include "assets/artwork_shapes.h"

class QPainter;

namespace tambrel {

// Logical size of a picture: the grids 56 x 83, finger marks 9 x 9, bar segment 15 x 4, string
// marks 6 x 6, necks 625 x 85, neck balls 12 x 12 (open) and 13 x 12 (fingers).
QSize artworkSize(Artwork artwork);

// Paints the picture with its top-left corner at `at` (logical pixels of the painter). Leaves
// the painter's state as it found it.
void paintArtwork(QPainter& painter, Artwork artwork, QPoint at);
// The same for any picture described by its shapes.
void paintPicture(QPainter& painter, const ArtPicture& picture, QPoint at);

// The picture as a pixmap of artworkSize() logical pixels for a screen of pixel ratio `dpr`;
// transparent where the picture paints nothing.
QPixmap artworkPixmap(Artwork artwork, qreal dpr = 1.0);
// The same, painted once per pixel ratio and kept in QPixmapCache: for painting many marks fast.
QPixmap cachedArtworkPixmap(Artwork artwork, qreal dpr);

// A picture of `logical` size painted by `paint` into a pixmap for a screen of pixel ratio
// `dpr`, transparent where it paints nothing: how every pixmap of artwork is made.
QPixmap renderedPixmap(QSize logical, qreal dpr, const std::function<void(QPainter&)>& paint);

// The banners: `Image3` of the main window (450 x 80, of which the middle 48 rows are shown)
// and the one at the top of the About box (209 x 41).
enum class Banner { Image3, About };

QSize bannerSize(Banner banner);
void paintBanner(QPainter& painter, Banner banner, QPoint at);
QPixmap bannerPixmap(Banner banner, qreal dpr = 1.0);

// The application icon, drawn into `box` (a square looks best).
void paintAppIcon(QPainter& painter, const QRectF& box);
QIcon appIcon();
// The same icon as an SVG document; assets/tambrel.svg holds this text for the desktop menu.
std::string appIconSvg();

// The magnifier glyph of the chord search button, drawn into `box` with `ink`.
void paintMagnifier(QPainter& painter, const QRectF& box, const QColor& ink);
QIcon searchIcon();

} // namespace tambrel
