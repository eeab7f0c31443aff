#include "display/results_canvas.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "display/chord_diagram.h"
#include "display/qt_diagram_painter.h"
#include "display/results_layout.h"

namespace tambrel {

ResultsCanvas::ResultsCanvas(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_OpaquePaintEvent); // paintEvent fills every exposed pixel itself
    // A right button's release selects a diagram like any other, so the canvas's menu opens
    // after it (menuRequested), never on the press, which would take the release away.
    setContextMenuPolicy(Qt::PreventContextMenu);
    setFixedSize(0, 0);
}

void ResultsCanvas::showDotLabels(DotLabels labels, const DiagramNotes& notes) {
    // Finger numbers do not depend on the notes.
    const bool same = labels == labels_ && (labels == DotLabels::Fingers || notes == notes_);
    labels_ = labels;
    notes_ = notes;
    if (!same) update();
}

bool ResultsCanvas::isHighlighted(int index) const {
    return index >= 0 && index < static_cast<int>(highlighted_.size()) && highlighted_[index];
}

QRect ResultsCanvas::cellRect(int index) const {
    const CellRect cell = tambrel::cellRect(index, columns_);
    return QRect(cell.left, cell.top, cell.width, cell.height);
}

void ResultsCanvas::showResults(const std::vector<Fretting>& cells, int columns, int canvasWidth,
                                int canvasHeight, const std::vector<int>& highlighted,
                                bool leftHanded) {
    std::vector<bool> flags(cells.size(), false);
    for (int index : highlighted)
        if (index >= 0 && index < static_cast<int>(flags.size())) flags[index] = true;
    columns = std::max(columns, 1);
    canvasWidth = std::max(canvasWidth, 0);
    canvasHeight = std::max(canvasHeight, 0);

    // A new selection on the same layout repaints only the cells whose style changed.
    const bool sameLayout = cells == cells_ && columns == columns_ && leftHanded == leftHanded_ &&
                            canvasWidth == width() && canvasHeight == height();
    if (sameLayout) {
        for (std::size_t k = 0; k < flags.size(); ++k)
            if (flags[k] != highlighted_[k]) update(cellRect(static_cast<int>(k)));
        highlighted_ = std::move(flags);
        return;
    }

    cells_ = cells;
    highlighted_ = std::move(flags);
    columns_ = columns;
    leftHanded_ = leftHanded;
    setFixedSize(canvasWidth, canvasHeight);
    update();
}

namespace {

// The mark of the easiest diagram: a small green disc with a white tick, right of the grid's
// top, where no diagram draws.
void drawEasiestMark(QPainter& painter, const CellRect& cell) {
    const QRect disc(cell.left + 84, cell.top + 3, 11, 11);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 128, 64));
    painter.drawEllipse(disc);
    painter.setPen(QPen(Qt::white, 1.6));
    painter.drawLine(QPointF(disc.left() + 2.5, disc.top() + 5.5),
                     QPointF(disc.left() + 4.5, disc.top() + 8));
    painter.drawLine(QPointF(disc.left() + 4.5, disc.top() + 8),
                     QPointF(disc.left() + 8.5, disc.top() + 3));
    painter.restore();
}

} // namespace

void ResultsCanvas::markEasiest(std::optional<int> index) {
    if (index && (*index < 0 || *index >= static_cast<int>(cells_.size()))) index.reset();
    if (index == marked_) return;
    if (marked_) update(cellRect(*marked_));
    marked_ = index;
    if (marked_) update(cellRect(*marked_));
}

QString ResultsCanvas::toolTipAt(int x, int y) const {
    const std::optional<int> index = diagramAt(x, y, columns_, static_cast<int>(cells_.size()));
    if (!index || !toolTipSource_) return {};
    return toolTipSource_(*index);
}

bool ResultsCanvas::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString text = toolTipAt(help->pos().x(), help->pos().y());
        if (text.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            // The tip belongs to the cell under the pointer: moving to another cell asks again.
            const std::optional<int> index = diagramAt(help->pos().x(), help->pos().y(), columns_,
                                                       static_cast<int>(cells_.size()));
            QToolTip::showText(help->globalPos(), text, this, cellRect(*index));
        }
        return true;
    }
    return QWidget::event(event);
}

void ResultsCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect exposed = event->rect();
    painter.fillRect(exposed, Qt::white);
    if (cells_.empty()) return;

    QtDiagramPainter diagrams(painter);
    const int count = static_cast<int>(cells_.size());
    const int firstRow = std::max(exposed.top(), 0) / kCellHeight;
    const int lastRow = std::min(exposed.bottom() / kCellHeight, (count - 1) / columns_);
    const int firstColumn = std::max(exposed.left(), 0) / kCellWidth;
    const int lastColumn = std::min(exposed.right() / kCellWidth, columns_ - 1);
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = firstColumn; column <= lastColumn; ++column) {
            const int index = row * columns_ + column;
            if (index >= count) break;
            const CellRect cell = tambrel::cellRect(index, columns_);
            drawChordDiagram(diagrams, cells_[index], cell.top, cell.left,
                             highlighted_[index] ? DiagramStyle::Highlighted : DiagramStyle::Normal,
                             leftHanded_, labels_, notes_);
            if (marked_ == index) drawEasiestMark(painter, cell);
        }
    }
}

void ResultsCanvas::mouseReleaseEvent(QMouseEvent* event) {
    // Canvas pixels: the pixel under the pointer, also on fractional positions.
    const QPointF at = event->position();
    const int x = static_cast<int>(std::floor(at.x()));
    const int y = static_cast<int>(std::floor(at.y()));
    emit released(x, y);
    if (event->button() == Qt::RightButton)
        emit menuRequested(event->globalPosition().toPoint(), x, y);
    event->accept();
}

} // namespace tambrel
