#pragma once
// The chord entry at the top of the chord column: the symbol box and its search button, the
// root and bass note pickers with their sharp/flat pairs, and between them the tension list or
// the chord-type list, one at a time as the "mod1"/"mod2" pair chooses.
#include "app/model_forward.h"

class QGridLayout;
class QLineEdit;
class QStackedWidget;
class QToolButton;
class QWidget;

namespace tambrel {

class MainWindowModel;
class PickGrid;
class TensionList;

class ChordEntryPanel {
  public:
    ChordEntryPanel();

    // The panel ("PanelMenuTopo"), for the window to place.
    QWidget* widget() const { return panel_; }
    // Hands each control's events to `model` through `forward`.
    void connect(MainWindowModel& model, const ModelForward& forward);
    void show(const MainWindowModel& model);

  private:
    void buildSymbolRow(QGridLayout* grid);
    void buildPickers(QGridLayout* grid);
    void buildButtonRow(QGridLayout* grid);

    QWidget* panel_ = nullptr;
    QLineEdit* EditAcorde = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    PickGrid* StringGridAcorde = nullptr;
    PickGrid* StringGridBaixo = nullptr;
    PickGrid* StringGrid1 = nullptr;
    TensionList* CheckListBox1 = nullptr;
    QStackedWidget* chordLists_ = nullptr;
    QToolButton* SpeedButton5 = nullptr;
    QToolButton* SpeedButton6 = nullptr;
    QToolButton* SpeedButton7 = nullptr;
    QToolButton* SpeedButton8 = nullptr;
    QToolButton* SpeedButton9 = nullptr;
    QToolButton* SpeedButton10 = nullptr;
};

} // namespace tambrel
