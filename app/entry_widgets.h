#pragma once
// List widgets of the chord entry that report what the user asks for and leave the answer to
// the window model: they never change their own selection or ticks. The window shows the
// model's state in them afterwards.
#include <QListWidget>
#include <QTableWidget>

namespace tambrel {

// A grid of names with whole-row selection: the note pickers and the chord-type list. A press
// on a row, also on the row already selected, and the arrow keys choose a row.
class PickGrid : public QTableWidget {
    Q_OBJECT
  public:
    PickGrid(int rows, int columns, QWidget* parent = nullptr);

    // Shows `row` as the selected row without reporting it.
    void showSelectedRow(int row);

  signals:
    void rowChosen(int row);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // With the keyboard's focus, a dotted frame around the current row.
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
};

// The tension list: a check list whose ticks only the model sets. A click on an item, or the
// space bar on the current item, asks for that item to be toggled.
class TensionList : public QListWidget {
    Q_OBJECT
  public:
    explicit TensionList(QWidget* parent = nullptr);

    // Shows the tick and the enabled state of `item` without reporting anything.
    void showItem(int item, bool ticked, bool enabled);

  signals:
    void toggleRequested(int item);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // With the keyboard's focus, a dotted frame around the current item.
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

  private:
    int pressedItem_ = -1;
};

} // namespace tambrel
