#pragma once
// The main window. Every control hands its event to the window model and the window then shows
// the model's state again: the behaviour lives in the model alone. The window composes its
// panels, each of which builds its controls, forwards their events and shows its part of the
// model's state.
#include <QMainWindow>
#include <functional>
#include <memory>

#include "app/deferred_midi_sink.h"
#include "app/midi_output.h"
#include "window/main_window_model.h"

namespace tambrel {
class BottomPanels;
class ChordColumn;
class MainMenus;
class ResultsPanel;
class SheetTools;
class SideScrollPanel;
class SongExports;
class SongPanel;
} // namespace tambrel

class TForm2;

class TForm1 : public QMainWindow {
    Q_OBJECT
  public:
    // The width of the results area as laid out before the window is first shown; the first
    // search is made for it, and the resize on showing searches again for the real width.
    static constexpr int kDesignResultsWidth = 644;

    // Creates the window with all its controls, then runs the start-up sequence on the model:
    // the tables, C major over C and the first search. `midi` is the output opened before
    // and must outlive the window.
    explicit TForm1(tambrel::MidiSink& midi, QWidget* parent = nullptr);
    // The same window over the program's output, with its choice of device in "File" >
    // "MIDI output".
    explicit TForm1(tambrel::MidiOutput& output, QWidget* parent = nullptr);
    ~TForm1() override;

    const tambrel::MainWindowModel& model() const { return *model_; }
    tambrel::SheetTools* sheetTools() const { return sheetTools_; }
    // The song's dock; its toggleViewAction() is "View" > "Song".
    tambrel::SongPanel* songPanel() const { return songPanel_; }
    tambrel::SongExports* songExports() const { return songExports_; }
    QAction* songPanelItem() const;
    TForm2* aboutBox() const { return form2_; }

    void Sair1Click();
    void Sobre1Click();
    // "Help" > "Keyboard shortcuts".
    void showShortcuts();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QWidget* buildBanner();
    // The results over the bottom panels, in a splitter.
    QWidget* buildMainArea();
    void buildStatusBar();
    void connectControls();

    // The window's one path from a control to the model: runs one operation of the model,
    // shows the new state, and reports an error that escaped the operation in the toolkit's
    // error box.
    void forward(const std::function<void()>& operation);
    void showModelState();
    // What a standard symbol left out, and what naming a fingering has to say.
    void showStatus(const tambrel::WindowState& w);
    // The chord column takes what the window's width leaves beside the bottom panels.
    void followWindowWidth(int windowWidth);
    // The results area follows the viewport's width while the window is shown.
    void followResultsWidth();

    // The model's MIDI goes through this gate, which holds it until the window is painted.
    tambrel::DeferredMidiSink midiGate_;
    std::unique_ptr<tambrel::MainWindowModel> model_;
    TForm2* form2_ = nullptr;
    // The chord sheet: its panel, and export, print and copy of the diagrams.
    tambrel::SheetTools* sheetTools_ = nullptr;
    tambrel::SongPanel* songPanel_ = nullptr;
    tambrel::SongExports* songExports_ = nullptr;

    std::unique_ptr<tambrel::ChordColumn> chordColumn_; // Panel1
    std::unique_ptr<tambrel::ResultsPanel> results_;    // PanelScrollBox
    std::unique_ptr<tambrel::BottomPanels> bottom_;     // PanelBraco
    tambrel::SideScrollPanel* bottomPanels_ = nullptr;  // scrolling on a small screen
    std::unique_ptr<tambrel::MainMenus> menus_;
};
