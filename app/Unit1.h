#pragma once
// The main window. Every control hands its event to the window model and the window then shows
// the model's state again: the behaviour lives in the model alone.
#include <QMainWindow>
#include <array>
#include <memory>
#include <vector>

#include "app/deferred_midi_sink.h"
#include "app/midi_output.h"
#include "window/main_window_model.h"

class QAction;
class QActionGroup;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QScrollArea;
class QSlider;
class QSplitter;
class QStackedWidget;
class QToolButton;

namespace tambrel {
class NeckView;
class PickGrid;
class ResultsCanvas;
class SheetTools;
class SideScrollPanel;
class TensionList;
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
    TForm2* aboutBox() const { return form2_; }

    void Sair1Click();
    void Sobre1Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QWidget* buildBanner();
    QWidget* buildChordColumn();
    QWidget* buildChordEntry();
    QWidget* buildResults();
    QWidget* buildBottomPanel();
    QWidget* buildInfoPanel();
    QWidget* buildOptionsPanel();
    QWidget* buildTuningPanel();
    QWidget* buildCheckPanel();
    QWidget* buildOrderPanel();
    QWidget* buildSoundPanel();
    QWidget* buildNamingPanel();
    void buildMenus();
    void buildMidiOutputMenu();
    // Lists the devices as they are now, the one in use checked.
    void listMidiOutputs();
    void buildStatusBar();
    void connectControls();

    // Runs one handler of the model, shows the new state, and reports an error that escaped
    // the handler in the toolkit's error box.
    template <typename Handler> void forward(Handler&& handler);
    void showModelState();
    void showNoteGrid(tambrel::PickGrid* grid, const tambrel::NoteGrid& state);
    // Measures the chord column the chord names need, once they are known, and widens it as far
    // as the window's width allows.
    void fitChordColumn();
    void followWindowWidth(int windowWidth);
    // The results area follows the viewport's width while the window is shown.
    void followResultsWidth();

    // The model's MIDI goes through this gate, which holds it until the window is painted.
    tambrel::DeferredMidiSink midiGate_;
    tambrel::MidiOutput* midiOutput_ = nullptr;
    std::unique_ptr<tambrel::MainWindowModel> model_;
    TForm2* form2_ = nullptr;
    // The chord sheet: its panel, and export, print and copy of the diagrams.
    tambrel::SheetTools* sheetTools_ = nullptr;

    // Chord entry.
    QLineEdit* EditAcorde = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    tambrel::PickGrid* StringGridAcorde = nullptr;
    tambrel::PickGrid* StringGridBaixo = nullptr;
    tambrel::PickGrid* StringGrid1 = nullptr;
    tambrel::TensionList* CheckListBox1 = nullptr;
    QStackedWidget* chordLists_ = nullptr;
    QToolButton* SpeedButton5 = nullptr;
    QToolButton* SpeedButton6 = nullptr;
    QToolButton* SpeedButton7 = nullptr;
    QToolButton* SpeedButton8 = nullptr;
    QToolButton* SpeedButton9 = nullptr;
    QToolButton* SpeedButton10 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QSplitter* Splitter3 = nullptr;
    QWidget* chordColumn_ = nullptr; // Panel1
    int namesColumnWidth_ = 0;

    // Results.
    QScrollArea* ScrollBoxViolao = nullptr;
    tambrel::ResultsCanvas* Image1 = nullptr;
    // What the diagrams in the scroll box were searched for.
    tambrel::SearchedFor shownSearch_;
    QSplitter* Splitter2 = nullptr;
    tambrel::SideScrollPanel* bottomPanels_ = nullptr; // PanelBraco, scrolling on a small screen
    QLineEdit* Edit1 = nullptr;
    QLabel* LabelTotal = nullptr;

    // Options.
    QComboBox* ComboBox1 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QCheckBox* CheckBoxOmit3 = nullptr;
    QCheckBox* CheckBoxOmit5 = nullptr;
    QCheckBox* CheckBoxNSI = nullptr;
    QCheckBox* CheckBoxCanhoto = nullptr;
    QCheckBox* CheckBoxPestanas = nullptr;
    QComboBox* ComboBoxOrder = nullptr;  // "Position" or "Easiest first"
    QCheckBox* CheckBoxCommon = nullptr; // "Common voicings"

    // Tuning.
    QToolButton* ToolButton5 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    std::vector<QAction*> tuningItems_;
    std::array<QSlider*, 6> trackBars_{};
    std::array<QLabel*, 6> tunerLabels_{};

    // Neck and sound.
    QComboBox* ComboBoxPatch = nullptr;
    QSlider* TrackBarTempoAcorde = nullptr;
    QToolButton* SpeedButton11 = nullptr;
    QToolButton* SpeedButton12 = nullptr;
    tambrel::NeckView* Image2 = nullptr;
    // Naming a fingering: the toggle that makes the neck an input, the fret list entry box
    // and the readings of what is entered.
    QToolButton* SpeedButtonNeckInput = nullptr;
    QLineEdit* EditFrets = nullptr;
    QListWidget* ListBoxReadings = nullptr;
    // The chord's plain name over the results.
    QLabel* LabelPlainName = nullptr;

    // Menu.
    QMenu* Arquivo1 = nullptr;
    QMenu* midiOutputMenu_ = nullptr;
    QActionGroup* midiOutputGroup_ = nullptr;
    QAction* Sair1 = nullptr;
    QAction* Sobre1 = nullptr;

    std::vector<std::string> shownChordNames_;
    std::vector<std::string> shownReadings_;
    std::string shownFretList_;
};
