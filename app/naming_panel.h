#pragma once
// Naming a fingering: a fret list typed here (or clicked on the neck) and what it reads as;
// choosing a reading searches it.
#include <string>
#include <vector>

#include "app/model_forward.h"

class QFrame;
class QLineEdit;
class QListWidget;
class QWidget;

namespace tambrel {

class MainWindowModel;

class NamingPanel {
  public:
    NamingPanel();

    // The panel ("PanelNaming"), for the window to place.
    QWidget* widget() const;
    void connect(MainWindowModel& model, const ModelForward& forward);
    void show(const MainWindowModel& model);

  private:
    QFrame* panel_ = nullptr;
    QLineEdit* EditFrets = nullptr;
    QListWidget* ListBoxReadings = nullptr;
    // What the box and the list show, so that the user's typing and scrolling stay while the
    // model's text has not changed.
    std::string shownFretList_;
    std::vector<std::string> shownReadings_;
};

} // namespace tambrel
