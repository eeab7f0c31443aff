#pragma once
// The sheet panel: a dock beside the results that lists the chord sheet's diagrams with their
// names, and the buttons that act on it. It only shows the sheet and forwards what the user
// does; the sheet itself is plain C++ (chord_sheet.h).
#include <QDockWidget>

#include "display/dot_labels.h"
#include "display/sheet_layout.h"

class QComboBox;
class QListWidget;
class QListWidgetItem;
class QToolButton;

namespace tambrel {

class SheetPanel : public QDockWidget {
    Q_OBJECT
  public:
    explicit SheetPanel(QWidget* parent = nullptr);

    // Shows the entries, labelled as chosen, keeping the current row where it can.
    void showEntries(const std::vector<SheetDiagram>& entries, DotLabels labels, bool leftHanded);
    void showDotLabels(DotLabels labels);
    // Whether there is a selected diagram to add.
    void showCanAdd(bool canAdd, bool hasResults);

    int currentRow() const;
    void setCurrentRow(int row);
    QListWidget* list() const { return list_; }

  signals:
    void addSelectedRequested();
    void addAllRequested();
    void renameRequested(int row, const QString& name);
    void moveRequested(int from, int to);
    void removeRequested(int row);
    void dotLabelsChosen(tambrel::DotLabels labels);
    void exportRequested();
    void printRequested();
    void copyRequested(int row);

  private:
    void showButtons();

    QListWidget* list_ = nullptr;
    QToolButton* add_ = nullptr;
    QToolButton* addAll_ = nullptr;
    QToolButton* up_ = nullptr;
    QToolButton* down_ = nullptr;
    QToolButton* rename_ = nullptr;
    QToolButton* remove_ = nullptr;
    QToolButton* export_ = nullptr;
    QToolButton* print_ = nullptr;
    QComboBox* labels_ = nullptr;
    bool showing_ = false; // the list is being refilled: its signals are the program's own
};

// The dot labels' choices as the window names them, in the order of DotLabels.
QStringList dotLabelsCaptions();

} // namespace tambrel
