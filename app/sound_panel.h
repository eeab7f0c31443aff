#pragma once
// The sound and the neck: the instrument the chord is played on and the tempo of its strum, the
// neck picture with the chosen voicing ("Eletric" or "Classic" neck), and "Name it", which makes
// the neck an input for naming what is clicked on it.
#include "app/model_forward.h"

class QComboBox;
class QFrame;
class QSlider;
class QToolButton;
class QWidget;

namespace tambrel {

class MainWindowModel;
class NeckView;

class SoundPanel {
  public:
    SoundPanel();

    // The panel ("Panel5"), for the window to place.
    QWidget* widget() const;
    // Also shows the instrument's start text, with no item of the list selected.
    void connect(MainWindowModel& model, const ModelForward& forward);
    void show(const MainWindowModel& model);

  private:
    void buildControls();

    QFrame* panel_ = nullptr;
    QComboBox* ComboBoxPatch = nullptr;
    QSlider* TrackBarTempoAcorde = nullptr;
    QToolButton* SpeedButton11 = nullptr; // "Eletric"
    QToolButton* SpeedButton12 = nullptr; // "Classic"
    // Not of the neck pair: the neck becomes an input while this is down.
    QToolButton* SpeedButtonNeckInput = nullptr;
    NeckView* Image2 = nullptr;
};

} // namespace tambrel
