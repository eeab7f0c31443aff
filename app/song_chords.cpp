#include "app/song_chords.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "app/application.h"
#include "display/chord_diagram.h"
#include "display/qt_diagram_painter.h"

namespace tambrel {

namespace {

const QColor kPlayingBand(255, 224, 130);
const QColor kPinColour(200, 30, 30);

// A drawing pin seen from the side, its head at (x, y): whatever the font has.
void drawPin(QPainter& painter, int x, int y) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(90, 90, 90), 1.5));
    painter.drawLine(QPointF(x, y + 4), QPointF(x - 4, y + 11));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kPinColour);
    painter.drawEllipse(QPointF(x, y + 3), 4.0, 4.0);
    painter.restore();
}

} // namespace

SongChords::SongChords(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
    fitCells();
}

void SongChords::showChords(const std::vector<SongChordCell>& cells, int playing, int selected,
                            bool leftHanded) {
    if (cells == cells_ && playing == playing_ && selected == selected_ &&
        leftHanded == leftHanded_)
        return;
    const bool sized = cells.size() != cells_.size();
    cells_ = cells;
    playing_ = playing;
    selected_ = selected;
    leftHanded_ = leftHanded;
    if (sized) fitCells();
    update();
}

void SongChords::fitWidth(int width) {
    if (width == width_) return;
    width_ = width;
    fitCells();
}

void SongChords::fitCells() {
    columns_ = std::max(1, width_ / kCellWidth);
    const int rows = std::max(1, (count() + columns_ - 1) / columns_);
    setFixedSize(std::max(width_, kCellWidth), rows * kCellHeight);
    update();
}

QPoint SongChords::cellOrigin(int index) const {
    return {(index % columns_) * kCellWidth, (index / columns_) * kCellHeight};
}

int SongChords::cellAt(QPoint at) const {
    if (at.x() < 0 || at.y() < 0) return -1;
    const int column = at.x() / kCellWidth;
    if (column >= columns_) return -1;
    const int index = (at.y() / kCellHeight) * columns_ + column;
    return index < count() ? index : -1;
}

void SongChords::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    QtDiagramPainter diagrams(painter);
    const QFont nameFont = interfaceFont(10, true);
    for (int index = 0; index < count(); ++index) {
        const QPoint origin = cellOrigin(index);
        const QRect cell(origin, QSize(kCellWidth, kCellHeight));
        if (!cell.intersects(event->rect())) continue;
        const SongChordCell& chord = cells_[index];
        const QRect band(origin.x(), origin.y(), kCellWidth, kNameHeight);
        if (index == playing_) painter.fillRect(cell, kPlayingBand);
        painter.setFont(nameFont);
        painter.setPen(Qt::black);
        painter.drawText(band, Qt::AlignCenter, chord.name);
        if (chord.pinned) drawPin(painter, band.right() - 10, band.top() + 2);
        const int left = origin.x() + (kCellWidth - 100) / 2;
        const int top = origin.y() + kNameHeight;
        if (chord.fingering) {
            drawChordDiagram(diagrams, *chord.fingering, top, left,
                             index == playing_ ? DiagramStyle::Highlighted : DiagramStyle::Normal,
                             leftHanded_);
        } else {
            painter.setFont(interfaceFont(9));
            painter.setPen(Qt::darkGray);
            painter.drawText(QRect(left, top, 100, 130), Qt::AlignCenter | Qt::TextWordWrap,
                             QStringLiteral("No fingering"));
        }
        if (index == selected_) {
            painter.setPen(QPen(QColor(40, 90, 200), 2));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(cell.adjusted(1, 1, -1, -1));
        }
    }
}

void SongChords::mouseReleaseEvent(QMouseEvent* event) {
    const int index = cellAt(event->position().toPoint());
    if (index >= 0 && event->button() == Qt::LeftButton) emit clicked(index);
    event->accept();
}

} // namespace tambrel
