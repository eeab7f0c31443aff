#pragma once
// The row of panels under the results. Its top row: what the chosen diagram is ("Formation")
// and how many were found, the search's limits, the tuning, the kinds of chart and their
// order; under them the sound with the neck, and the naming of a fingering.
#include <memory>

#include "app/model_forward.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace tambrel {

class MainWindowModel;
class NamingPanel;
class OptionsPanel;
class SoundPanel;
class TuningPanel;

class BottomPanels {
  public:
    // The tuning presets' menu belongs to `window`.
    explicit BottomPanels(QWidget* window);
    ~BottomPanels();

    // All the panels ("PanelBraco"), for the window to place.
    QWidget* widget() const { return panel_; }
    void connect(MainWindowModel& model, const ModelForward& forward);
    void show(const MainWindowModel& model);

  private:
    QWidget* buildInfoPanel();
    QWidget* buildOrderPanel();

    QWidget* panel_ = nullptr;
    // The chosen diagram's fret list and the number of results.
    QLineEdit* Edit1 = nullptr;
    QLabel* LabelTotal = nullptr;
    std::unique_ptr<OptionsPanel> options_;
    std::unique_ptr<TuningPanel> tuning_;
    QComboBox* ComboBoxOrder = nullptr;  // "Position" or "Easiest first"
    QCheckBox* CheckBoxCommon = nullptr; // "Common voicings"
    std::unique_ptr<SoundPanel> sound_;
    std::unique_ptr<NamingPanel> naming_;
};

} // namespace tambrel
