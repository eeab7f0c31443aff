#pragma once
// The guitar's tuning: a button with the preset's name that opens the menu of the twelve
// presets, and six tuners, one a string from the low E, each with the note it is tuned to.
// Beside them, a small panel of its own: the capo's fret and whether the chords under it are
// named by their shapes or by what sounds.
#include <array>
#include <vector>

#include "app/model_forward.h"

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QCheckBox;
class QSlider;
class QSpinBox;
class QToolButton;
class QWidget;

namespace tambrel {

class MainWindowModel;

class TuningPanel {
  public:
    // The presets' menu belongs to `window`.
    explicit TuningPanel(QWidget* window);

    // The panel ("Panel2"), for the window to place.
    QWidget* widget() const;
    // The capo's panel ("PanelCapo"), for the window to place beside the others.
    QWidget* capoWidget() const;
    void connect(MainWindowModel& model, const ModelForward& forward);
    void show(const MainWindowModel& model);

  private:
    void buildPresetButton(QWidget* window);
    void buildCapoPanel();

    QFrame* panel_ = nullptr;
    QToolButton* ToolButton5 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    std::vector<QAction*> tuningItems_;
    std::array<QSlider*, 6> trackBars_{};
    std::array<QLabel*, 6> tunerLabels_{};
    QFrame* capoPanel_ = nullptr;
    QSpinBox* capo_ = nullptr;
    QCheckBox* shapes_ = nullptr;
};

} // namespace tambrel
