#include "app/entry_widgets.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <algorithm>

namespace tambrel {

namespace {

// Where the arrow keys and the space bar act: a dotted frame just inside the current row, in
// the colour of the row's text, so that it shows on the selection's colour as on white.
void paintFocusFrame(QAbstractItemView* view, QRect row) {
    // A row may run on under the viewport's edge; the frame closes at the edge.
    row &= view->viewport()->rect();
    if (!view->hasFocus() || !row.isValid()) return;
    const bool selected = view->selectionModel()->isSelected(view->currentIndex());
    QPainter painter(view->viewport());
    QPen pen(view->palette().color(selected ? QPalette::HighlightedText : QPalette::Text));
    pen.setStyle(Qt::DotLine);
    pen.setWidth(1);
    painter.setPen(pen);
    painter.drawRect(row.adjusted(0, 0, -1, -1));
}

} // namespace

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

void PickGrid::paintEvent(QPaintEvent* event) {
    QTableWidget::paintEvent(event);
    const int row = currentRow();
    if (row < 0) return;
    paintFocusFrame(this, visualRect(model()->index(row, 0))
                              .united(visualRect(model()->index(row, columnCount() - 1))));
}

void PickGrid::focusInEvent(QFocusEvent* event) {
    QTableWidget::focusInEvent(event);
    viewport()->update();
}

void PickGrid::focusOutEvent(QFocusEvent* event) {
    QTableWidget::focusOutEvent(event);
    viewport()->update();
}

void PickGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableWidget::currentChanged(current, previous);
    // The frame spans the whole row, more than the cells Qt repaints.
    viewport()->update();
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

void TensionList::paintEvent(QPaintEvent* event) {
    QListWidget::paintEvent(event);
    if (currentItem() != nullptr) paintFocusFrame(this, visualItemRect(currentItem()));
}

void TensionList::focusInEvent(QFocusEvent* event) {
    QListWidget::focusInEvent(event);
    viewport()->update();
}

void TensionList::focusOutEvent(QFocusEvent* event) {
    QListWidget::focusOutEvent(event);
    viewport()->update();
}

void TensionList::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QListWidget::currentChanged(current, previous);
    viewport()->update();
}

} // namespace tambrel
