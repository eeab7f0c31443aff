#include "display/results_layout.h"

#include <algorithm>
#include <limits>

namespace tambrel {

int columnsForWidth(int canvasWidth) {
    return std::max(1, canvasWidth / kCellWidth);
}

int canvasHeightFor(int entryCount, int columns) {
    return entryCount / std::max(1, columns) * kCellHeight + 2 * kCellHeight;
}

CellRect cellRect(int index, int columns) {
    columns = std::max(1, columns);
    return CellRect{kCellWidth * (index % columns), kCellHeight * (index / columns), kCellWidth,
                    kCellHeight};
}

std::optional<int> diagramAt(int x, int y, int columns, int count) {
    const long long width = static_cast<long long>(std::max(1, columns)) * kCellWidth;
    if (x < 0 || x > width - 5 || y < 0) return std::nullopt;
    const long long index =
        x / kCellWidth + static_cast<long long>(y / kCellHeight) * std::max(1, columns);
    if (index >= count) return std::nullopt;
    return static_cast<int>(index);
}

int scrollTopKeepingFirstDiagram(int scrollTop, int oldColumns, int newColumns) {
    scrollTop = std::max(scrollTop, 0);
    const long long first =
        static_cast<long long>(scrollTop / kCellHeight) * std::max(1, oldColumns);
    const long long row = first / std::max(1, newColumns);
    return static_cast<int>(std::min<long long>(row * kCellHeight + scrollTop % kCellHeight,
                                                std::numeric_limits<int>::max()));
}

} // namespace tambrel
