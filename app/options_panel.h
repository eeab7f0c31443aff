#pragma once
// The search's options, in two panels of the bottom row: the limits ("(omit5)", "(omit3)",
// "Distance" between the fingers, "Up to fret") and the kinds of chart shown ("Easy chords",
// "Left-hand chords", "No barre chords").
#include "app/model_forward.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QWidget;

namespace tambrel {

class MainWindowModel;

class OptionsPanel {
  public:
    OptionsPanel();

    // The limits ("Panel4") and the kinds of chart ("Panel6"), for the window to place.
    QWidget* limits() const;
    QWidget* kinds() const;
    void connect(MainWindowModel& model, const ModelForward& forward);
    void show(const MainWindowModel& model);

  private:
    QFrame* limits_ = nullptr;
    QFrame* kinds_ = nullptr;
    QComboBox* ComboBox1 = nullptr; // "Up to fret"
    QComboBox* ComboBox2 = nullptr; // "Distance"
    QCheckBox* CheckBoxOmit3 = nullptr;
    QCheckBox* CheckBoxOmit5 = nullptr;
    QCheckBox* CheckBoxNSI = nullptr;
    QCheckBox* CheckBoxCanhoto = nullptr;
    QCheckBox* CheckBoxPestanas = nullptr;
};

} // namespace tambrel
