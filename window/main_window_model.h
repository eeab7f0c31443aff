#pragma once
// The main window without a display: the state of every control that the program reads or
// writes, the search state, and one operation per handler with all its effects in order.
// The desktop window and the headless session both drive this one model and only show it.
//
// Two kinds of entry point: the handlers, named after the window's own (StringGridBaixoSelectCell,
// CheckListBox1ClickCheck, ...), which run exactly as the window runs them, also from inside
// another handler; and the user's actions (chooseBass, clickTension, ...), which first refuse
// what the window refuses a user: a disabled item or grid, a hidden list.
#include "music/chord_vocabulary.h"
#include "music/fretboard.h"
#include "music/note_names.h"
#include "music/single_byte_text.h"
#include "search/voicing.h"
#include "search/voicing_choices.h"
#include "search/voicing_search.h"
#include "sound/midi_playback.h"
#include "sound/midi_sink.h"
#include "sound/song_player.h"
#include "window/chord_entry.h"
#include "window/search_options.h"
#include "window/song.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tambrel {

// One of the two one-column note pickers.
struct NoteGrid {
    NoteNames names;
    int row = 0;
    bool enabled = true;
    // While the chord is full the bass grid is greyed out in the menu-bar colour; otherwise
    // it has the window colour.
    bool menuBarColour = false;
};

enum class ChordPanelView { Tensions /* "mod1" */, ChordTypes /* "mod2" */ };

// The search state: the window's working data beside its controls.
struct SearchState {
    MidiNoteTable midiNoteTable{};
    // The clicked diagram's fingering as its entry writes it (a barre's first string as its
    // negative fret), the way the state shows it; every string open until a click.
    FretList selectedFrets{0, 0, 0, 0, 0, 0};
    StringNotes stringNote = kStandardTuning; // also where the six tuners stand
    int capo = 0; // the capo beside the tuning: frets are counted from it
    int rootNote = 0;
    int bassNote = 0;
    std::string chordIntervals = "00 04 07";
    // The parts of the symbol box's text, in its single-byte code page.
    SingleByteText rootName = "C";
    SingleByteText bassSuffix;
    SingleByteText chordSuffix;
    int maxFret = 12; // also the item "Up to fret" shows
    int thirdInterval = 4;
    int fifthInterval = 7;
    int lastClickX = 0;
    int lastClickY = 0;
    std::vector<int> chordTones;
    std::vector<Voicing> voicingList; // in display order
};

// Everything the window shows, as the window shows it. Texts are UTF-8, except those of type
// SingleByteText: the symbol box, the chord name list and the tuning and instrument captions,
// which keep the program's single-byte code page that the lookup and the state are written in.
struct WindowState {
    explicit WindowState(const SearchState& search) : tunerPositions(search.stringNote) {}

    // Chord entry.
    SingleByteText editAcorde = "C";
    NoteGrid rootGrid;
    NoteGrid bassGrid;
    bool rootSharpDown = true; // "#" or "b" of each grid's pair
    bool bassSharpDown = true;
    ChordPanelView view = ChordPanelView::Tensions;
    std::array<bool, kTensionCount> ticked{};
    std::array<bool, kTensionCount> itemEnabled{};
    int chordTypeRow = 0;
    std::vector<SingleByteText> chordNames; // ListBox1

    // Search options ("Up to fret" shows the search state's maxFret).
    int distanceItem = 3; // "Distance": "2", "3", "4", "5"
    bool omit3 = false;
    bool omit5 = false;
    bool easyChords = false;
    bool leftHanded = false;
    bool noBarreChords = false;
    // Beside them: the order of the diagrams ("Position", "Easiest first") and "Common voicings".
    int orderItem = 0;
    bool commonVoicings = false;

    // Tuning. Each tuner stands at its string's open note, so the positions are the search
    // state's stringNote itself.
    const StringNotes& tunerPositions;
    std::array<SingleByteText, kStringCount> tunerLabels; // standard tuning's at start
    SingleByteText tuningButtonCaption;                   // standard tuning's at start
    int tuningMark = 0;

    // Results.
    std::string labelTotal = "0";
    int canvasWidth = 0;
    int columns = 1;
    int canvasHeight = 260;
    std::vector<int> highlighted;
    std::string formation; // Edit1
    // How easy each diagram is to play, in display order, and what the last search scored
    // the fingerings against, to explain any of them.
    std::vector<int> playabilityScores;
    HandContext scoredAgainst;

    // Neck and sound.
    bool electricNeck = false;
    std::optional<Fretting> neckVoicing; // the voicing drawn on the neck picture, if any
    int patchItem = -1;                  // no item selected at start; the text reads "Nylon guitar"
    SingleByteText patchText = "Nylon guitar";
    int tempoPosition = 2;
    // Under a capo, name the chords the fingers play rather than those that sound.
    bool shapeNames = false;

    // The message of an error that escaped a handler, until the next handler runs.
    std::string error;

    // The chord language, in UTF-8. The symbol box's text as the user typed it, read by the
    // standard reading before its single-byte form goes to the lookup; empty once the program
    // writes the box.
    std::string typedSymbol;
    // What the search button's reading of a standard symbol changed (tones left out to fit the
    // note limit, a fifth kept), shown in the status bar; empty when nothing was.
    std::string lookupNotice;
    // The chord's best reading in standard notation with its notes, "Cm7b5 — C Eb Gb Bb",
    // shown over the results; empty when no chord is named.
    std::string plainName;

    // Naming a fingering: the neck picture as an input, the fret list entered there or typed
    // into the entry box, and what it reads as.
    bool neckInput = false;
    // Frets as entered, never a barre: 99 muted, 0 open, f fretted.
    FretList enteredFrets{kMuted, kMuted, kMuted, kMuted, kMuted, kMuted};
    std::string fretListText;                          // the entry box
    std::array<std::string, kStringCount> stringNotes; // the entered notes, "" where muted
    std::vector<std::string> readings;                 // best first: "C — C E G"
    std::vector<std::string> readingSymbols;           // "C", as the readings name them
    int chosenReading = -1;
    std::string namingMessage; // a bad fret list, "no notes", or whether a search found it
};

class MainWindowModel {
  public:
    // Creates the window as start-up does: the tables, C major over C and the first search
    // for a results area `resultsWidth` pixels wide. Opening the MIDI device sends nothing.
    MainWindowModel(MidiSink& midi, int resultsWidth);

    const WindowState& window() const { return window_; }
    const SearchState& search() const { return search_; }

    // Chord entry: the user's actions. Each returns whether the window let it through.
    bool chooseBass(int row);      // refused while the bass grid is disabled
    bool chooseChordType(int row); // refused while the chord-type list is hidden ("mod1")
    // The user's click on a tension's check box toggles it and composes the chord; refused
    // while the item is disabled or the tension list is hidden.
    bool clickTension(int item);

    // Chord entry: the handlers.
    void StringGridAcordeSelectCell(int row);
    void StringGridBaixoSelectCell(int row);
    void StringGrid1SelectCell(int row);
    void CheckListBox1ClickCheck(int clickedItem);
    void SpeedButton5Click();  // "#" of the root grid
    void SpeedButton6Click();  // "b" of the root grid
    void SpeedButton10Click(); // "#" of the bass grid
    void SpeedButton9Click();  // "b" of the bass grid
    void SpeedButton7Click();  // "mod1": the tension list
    void SpeedButton8Click();  // "mod2": the chord-type table
    void setSymbolText(const std::string& text);
    void SpeedButton2Click(); // the search button: reads the typed symbol

    // Search options; each change searches once.
    void ComboBox1Change(int item);
    void ComboBox2Change(int item);
    void CheckBoxOmit3Click(bool checked);
    void CheckBoxOmit5Click(bool checked);
    void CheckBoxNSIClick(bool checked);
    void CheckBoxCanhotoClick(bool checked);
    void CheckBoxPestanasClick(bool checked);
    void ComboBoxOrderChange(int item);     // "Position" or "Easiest first"
    void CheckBoxCommonClick(bool checked); // "Common voicings"

    // Tuning.
    void StandardTunning1Click(int tag);
    void ToolButton5Click();
    void TrackBarChange(int tuner /* 1..6 */, int position);

    // Results, selection and sound.
    void FormResize(int resultsWidth);
    void Image1MouseUp(int x, int y);
    void ComboBoxPatchChange(int item);
    void setTempo(int position);
    void SpeedButton12Click(); // "Classic" neck
    void SpeedButton11Click(); // "Eletric" neck

    // The chord language. The user's typing into the symbol box, as typed (UTF-8).
    void typeSymbol(const std::string& utf8);
    // Naming a fingering. The toggle beside "Classic" and "Eletric" makes the neck picture an
    // input: a click on a string at a fret places or removes a mark there, a click at the nut
    // turns the string open or muted.
    void NeckInputButtonClick(bool down);
    void Image2MouseUp(int x, int y);
    // The fret list entry box (UTF-8): read when the user presses Enter; a text that is no
    // fret list changes nothing but the message. Returns whether it was read.
    bool enterFretList(const std::string& text);
    // Choosing one of the readings: it is searched as a typed symbol, and the entered
    // fingering is highlighted among the results, or the message says why it is not there.
    bool chooseReading(int index);

    // The capo beside the tuning, 0..11: the strings sound higher, the frets of every diagram
    // are counted from it, the sound follows. The current chord and the song are searched anew.
    void setCapo(int capo);
    // Whether names under a capo are the chords the fingers play (shapes) or those that sound.
    void setShapeNames(bool shapes);
    // "Capo 3 · shape A" (or "· sounds C") over the results; "" without a capo.
    std::string capoCaption() const;

    // The song panel. The song's text as typed (UTF-8): read, its fingerings chosen.
    void setSongText(const std::string& utf8);
    // Moves the song by `semitones` from where it stands (down when negative).
    void transposeSong(int semitones);
    // Holds chord `chord` to alternative `alternative` of its list, or to a fret list typed as
    // guitarists write it; the other chords are chosen again around it. False when refused.
    bool pinSongChord(int chord, int alternative);
    bool pinSongFrets(int chord, const std::string& fretList);
    bool unpinSongChord(int chord);
    // The capo 0..7 under which the song is easiest, with its shapes; useBestCapo sets it.
    CapoOffer bestCapoOffer();
    void useBestCapo();
    const Song& song() const { return song_; }
    // Chord `chord`'s name as the song panel shows it: the shape under a capo when shapes are
    // named, else the chord that sounds; "" outside the song.
    std::string songChordName(int chord) const;
    // A click on a chord of the song: it is strummed as a clicked diagram is.
    void strumSongChord(int chord);
    // Plays the song from its first chord at `bpm`, `beatsPerChord` beats each; the view calls
    // songTick with its clock (ms) until songPlaying() turns false.
    void playSong(int bpm, int beatsPerChord, std::int64_t nowMs);
    void songTick(std::int64_t nowMs);
    void stopSong();
    const SongPlayer& songPlayer() const { return songPlayer_; }

    // What a search run now would read besides its request: the chord's root and bass, the
    // tuning, "Up to fret", "Distance" and the options, as the controls stand.
    SearchInputs searchInputs() const;

    // What the results on show were searched for: a view tells another chord, tuning or limit
    // from the same search run again (a resize, the mirrored drawing).
    const ChordQuery& searchedFor() const { return searchedFor_; }

    // The fret lists of the diagrams in display order.
    std::vector<Fretting> diagramFretLists() const;

    // The order and the common voicings as the two controls stand.
    VoicingChoices voicingChoices() const;
    // Diagram `index`'s playability, as the last search scored it, and in words (its score
    // and parts, what it leaves out); empty for a cell without a diagram.
    std::optional<Playability> diagramPlayability(int index) const;
    std::string diagramExplanation(int index) const;
    // The diagram that carries the mark of the easiest: the first in "Easiest first", none in
    // position order or without results.
    std::optional<int> easiestDiagram() const;

  private:
    int noteLimit() const;
    void deriveThirdAndFifth();
    // The symbol box shows the root's name, the chord type and the bass part.
    void showSymbol();
    // Greys out what no longer fits under the note limit, or enables it all again; the bass
    // grid too when `withBassGrid`.
    void showNoteLimit(bool withBassGrid);
    // A check box of the options takes its new state, and the search runs.
    void setOption(bool& box, bool checked);
    // Searches the chord as the controls state it, under the order and common voicings chosen.
    void runSearch(const ChordQuery& query);
    // Takes a search's result as the one shown: list, scores, layout height, names, count.
    void showResult(RankedVoicings result, bool named);
    void searchCurrentChord(bool trimIntervals = false);
    // The lookup proper, on the single-byte text the search button hands it.
    void lookUpSymbol(const std::string& text);
    // The entered fingering's notes and readings under the current tuning.
    void nameEnteredFingering();
    void applyTuning(const StringNotes& notes, const char* caption,
                     const std::array<const char*, kStringCount>& labels);
    // Chooses the song's fingerings again under the settings as they stand.
    void arrangeSong();

    Song song_;
    SongPlayer songPlayer_;
    // The song's chord still ringing, with the notes it was played at, to be let go when the
    // next one is strummed or the song stops.
    struct Ringing {
        Fretting fingering;
        MidiNoteTable notes{};
    };
    std::optional<Ringing> songRinging_;

    SearchState search_;
    WindowState window_{search_};
    ChordQuery searchedFor_;
    MidiPlayback playback_;
};

} // namespace tambrel
