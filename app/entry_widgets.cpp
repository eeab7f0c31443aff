#include "entry_widgets.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <algorithm>

namespace tambrel {

PickGrid::PickGrid(int rows, int columns, QWidget* parent) : QTableWidget(rows, columns, parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
}

void PickGrid::showSelectedRow(int row) {
    const QSignalBlocker blocker(this);
    if (row < 0 || row >= rowCount()) {
        clearSelection();
        return;
    }
    if (currentRow() != row) setCurrentCell(row, 0);
    // The selection also has to come back after the user pressed on another row that the
    // program then refused.
    if (!selectionModel()->isRowSelected(row, QModelIndex())) selectRow(row);
}

void PickGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    setFocus(Qt::MouseFocusReason);
    const QModelIndex index = indexAt(event->position().toPoint());
    // A press chooses the row even when it is the selected one already.
    if (index.isValid()) emit rowChosen(index.row());
    event->accept();
}

void PickGrid::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

void PickGrid::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

void PickGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void PickGrid::keyPressEvent(QKeyEvent* event) {
    const int current = std::max(currentRow(), 0);
    const int last = rowCount() - 1;
    const int step = std::max(rowHeight(0), 1);
    const int page = std::max(viewport()->height() / step, 1);
    int target = -1;
    switch (event->key()) {
    case Qt::Key_Up:
        target = current - 1;
        break;
    case Qt::Key_Down:
        target = current + 1;
        break;
    case Qt::Key_PageUp:
        target = current - page;
        break;
    case Qt::Key_PageDown:
        target = current + page;
        break;
    case Qt::Key_Home:
        target = 0;
        break;
    case Qt::Key_End:
        target = last;
        break;
    default:
        event->ignore();
        return;
    }
    target = std::clamp(target, 0, last);
    if (target != currentRow()) emit rowChosen(target);
    event->accept();
}

TensionList::TensionList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
}

void TensionList::showItem(int item, bool ticked, bool enabled) {
    QListWidgetItem* entry = this->item(item);
    if (entry == nullptr) return;
    const QSignalBlocker blocker(this);
    // The check box is drawn from the check state; without Qt::ItemIsUserCheckable Qt never
    // toggles it by itself.
    const Qt::CheckState state = ticked ? Qt::Checked : Qt::Unchecked;
    if (entry->data(Qt::CheckStateRole) != QVariant(state)) entry->setCheckState(state);
    const Qt::ItemFlags flags =
        enabled ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::ItemFlags(Qt::NoItemFlags);
    if (entry->flags() != flags) entry->setFlags(flags);
}

void TensionList::mousePressEvent(QMouseEvent* event) {
    pressedItem_ = -1;
    if (event->button() != Qt::LeftButton) return;
    setFocus(Qt::MouseFocusReason);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid()) return;
    pressedItem_ = index.row();
    if (index.flags() & Qt::ItemIsEnabled) setCurrentRow(index.row());
    event->accept();
}

void TensionList::mouseMoveEvent(QMouseEvent* event) {
    // A drag with a button down neither selects nor scrolls: the list would otherwise go on
    // scrolling, and moving its current item, after a release outside it.
    if (event->buttons() != Qt::NoButton) {
        event->accept();
        return;
    }
    QListWidget::mouseMoveEvent(event);
}

void TensionList::mouseReleaseEvent(QMouseEvent* event) {
    const int pressed = pressedItem_;
    pressedItem_ = -1;
    if (event->button() != Qt::LeftButton || pressed < 0) return;
    // Like a check box: the release over the item that was pressed toggles it.
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && index.row() == pressed) emit toggleRequested(pressed);
    event->accept();
}

void TensionList::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second click of a double click toggles again, as on any check box.
    mousePressEvent(event);
}

void TensionList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Select) {
        if (currentRow() >= 0) emit toggleRequested(currentRow());
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

} // namespace tambrel
