#include "results_canvas.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "chord_diagram.h"
#include "qt_diagram_painter.h"
#include "results_layout.h"

namespace tambrel {

ResultsCanvas::ResultsCanvas(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_OpaquePaintEvent); // paintEvent fills every exposed pixel itself
    setFixedSize(0, 0);
}

bool ResultsCanvas::isHighlighted(int index) const {
    return index >= 0 && index < static_cast<int>(highlighted_.size()) && highlighted_[index];
}

QRect ResultsCanvas::cellRect(int index) const {
    const CellRect cell = tambrel::cellRect(index, columns_);
    return QRect(cell.left, cell.top, cell.width, cell.height);
}

void ResultsCanvas::showResults(const std::vector<FretList>& cells, int columns, int canvasWidth,
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
                             leftHanded_);
        }
    }
}

void ResultsCanvas::mouseReleaseEvent(QMouseEvent* event) {
    // Canvas pixels: the pixel under the pointer, also on fractional positions.
    const QPointF at = event->position();
    emit released(static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y())));
    event->accept();
}

} // namespace tambrel
