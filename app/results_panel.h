#pragma once
// The results: the chord's plain name, and under a capo the capo's caption, over the scroll box of
// its chord diagrams. The diagrams are laid out for the box's width and follow it while the window
// is shown; results for another search open at their first diagrams.
#include "app/model_forward.h"
#include "window/main_window_model.h"

class QLabel;
class QObject;
class QScrollArea;
class QWidget;

namespace tambrel {

class ResultsCanvas;

class ResultsPanel {
  public:
    // `viewportWatcher` is told of the scroll box's resizes (through its event filter).
    explicit ResultsPanel(QObject* viewportWatcher);

    // The panel ("PanelScrollBox"), for the window to place.
    QWidget* widget() const { return panel_; }
    ResultsCanvas& canvas() const { return *Image1; }
    // The widget whose resizes the watcher is told of.
    QWidget* viewport() const;

    void connect(MainWindowModel& model, const ModelForward& forward);
    void show(const MainWindowModel& model);
    // Opens the results at their first diagrams when the model has searched for something
    // else; the same search run again (a resize, the mirrored drawing) stays where the user
    // scrolled.
    void followSearch(const MainWindowModel& model);
    // Searches again for the scroll box's width, if it changed, keeping the diagram that opened
    // the view at the top. Only once connected.
    void followViewportWidth();

  private:
    QWidget* panel_ = nullptr;
    QScrollArea* ScrollBoxViolao = nullptr;
    ResultsCanvas* Image1 = nullptr;
    QLabel* LabelPlainName = nullptr;
    QLabel* LabelCapoCaption = nullptr;
    // What the diagrams in the scroll box were searched for.
    ChordQuery shownSearch_;
    MainWindowModel* model_ = nullptr;
    ModelForward forward_;
};

} // namespace tambrel
