#pragma once
// The song panel: a dock beside the sheet's where the user types a song's chords and sees one
// fingering for each, chosen together by the model; pins, the capo and its best fret,
// transposition, the song played at a tempo, and the song added to the chord sheet. It only
// shows the model's song and forwards what the user does.
#include <QDockWidget>
#include <QElapsedTimer>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "app/model_forward.h"
#include "app/song_chords.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QToolButton;

namespace tambrel {

class MainWindowModel;
class SheetTools;
struct RankedVoicings;

class SongPanel : public QDockWidget {
    Q_OBJECT
  public:
    // How long the text rests after a key before its chords are chosen again.
    static constexpr int kIdleMilliseconds = 600;
    // How often a playing song asks its clock whether the next chord is due.
    static constexpr int kTickMilliseconds = 15;

    // Docks the panel in `window`, tabbed with the sheet's panel, hidden until asked for; the
    // song goes to `sheet`'s chord sheet.
    SongPanel(QMainWindow& window, SheetTools& sheet);

    void connect(MainWindowModel& model, const ModelForward& forward);
    void showSong(const MainWindowModel& model);
    // A song opened from a file: its text shown as it is and read by the model as it stands,
    // every byte of it (the editor's own line ends aside), and the panel shown.
    void openText(const std::string& utf8);

    // The chord the alternatives, the fret list and "Unpin" act on.
    int selectedChord() const { return selected_; }
    void selectChord(int chord);
    SongChords* chords() const { return chords_; }
    // The tempo the song is played at, for its MIDI file too.
    int bpm() const;
    int beatsPerChord() const;
    // Reads the text typed so far without waiting for the keys to rest.
    void readTypedText() { readText(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* buildTools();
    QWidget* buildChordTools();
    void readText();
    void playOrStop(bool play);
    void tick();
    void showChordTools(const MainWindowModel& model);

    SheetTools& sheet_;
    MainWindowModel* model_ = nullptr;
    ModelForward forward_;
    QElapsedTimer clock_;
    QTimer idle_;
    QTimer ticker_;

    QPlainTextEdit* text_ = nullptr;
    QLabel* problems_ = nullptr;
    QSpinBox* capo_ = nullptr;
    QPushButton* bestCapo_ = nullptr;
    QLabel* bestCapoOffer_ = nullptr; // the last offer with its shapes: "Capo 3: C Am F G"
    QCheckBox* shapes_ = nullptr;
    QLabel* transposition_ = nullptr;
    QSpinBox* bpm_ = nullptr;
    QSpinBox* beats_ = nullptr;
    QToolButton* play_ = nullptr;
    QToolButton* stop_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    SongChords* chords_ = nullptr;
    QLabel* chordLabel_ = nullptr;
    QComboBox* alternatives_ = nullptr;
    QLineEdit* frets_ = nullptr;
    QPushButton* pin_ = nullptr;
    QPushButton* unpin_ = nullptr;
    QPushButton* toSheet_ = nullptr;
    int selected_ = 0;
    // What the alternatives' list was filled for: the chord and its list.
    const RankedVoicings* shownAlternatives_ = nullptr;
    int shownChord_ = -1;
};

} // namespace tambrel
