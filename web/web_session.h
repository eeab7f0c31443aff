#pragma once
// The browser page's session: the headless session of the window, and beside its state what a
// page shows that a terminal does not: each result diagram and the neck as SVG, drawn by the
// window's own drawing, a diagram chosen by its place in the results, the dots' labels, the
// chord sheet and the song's diagrams. Plain C++; the WebAssembly module only binds it.
#include "display/dot_labels.h"
#include "session/script_session.h"
#include "window/chord_sheet.h"

#include <string>

namespace tambrel {

class WebSession {
  public:
    // The session's command line, as `tambrel-cli --script` reads it: the printed line, or ""
    // when the command prints nothing.
    std::string execute(const std::string& line);
    // The state object; it takes the MIDI sent since the last one, which the page then plays.
    std::string state();

    // What the page shows that the state object leaves out, as JSON: the order and "Common
    // voicings", the instrument and tempo, the neck's kind, the capo with its caption and the
    // names' toggle, the diagram marked easiest, the dots' labels and an error of a handler.
    std::string viewJson() const;

    // The diagrams of the results, in display order, as the results canvas draws them: in the
    // highlighted style when highlighted, with the dots' labels, mirrored for the left hand.
    int diagramCount() const;
    std::string diagramSvg(int index) const;
    // A click on diagram `index`: the mouse released in the middle of its cell. Nothing for an
    // index outside the results.
    void clickDiagram(int index);
    // The neck picture: the fingering entered while it is an input, else the clicked one.
    std::string neckSvg() const;

    // What the finger marks carry: 0 fingers, 1 notes, 2 intervals; others are refused.
    bool setDotLabels(int labels);
    int dotLabels() const { return static_cast<int>(labels_); }

    // The chord sheet. Each returns whether the sheet changed.
    bool addSelectedToSheet();
    bool addResultsToSheet();
    bool addSongToSheet();
    bool renameSheetEntry(int index, const std::string& name);
    bool removeSheetEntry(int index);
    bool moveSheetEntry(int from, int to);
    void clearSheet() { sheet_.clear(); }
    // The entries, as JSON: [{"name": ..., "frets": "x 3 2 0 1 0"}, ...].
    std::string sheetJson() const;
    // One entry's diagram, and the whole sheet as the SVG file the window writes ("" when the
    // sheet is empty or the options are out of range).
    std::string sheetDiagramSvg(int index) const;
    std::string sheetSvg(int perRow, const std::string& title) const;

    // "Classic" or "Eletric": the neck picture's kind.
    void chooseNeck(bool electric);

    // The song panel's text as typed, lines and all (the session's command takes one line).
    void setSongText(const std::string& text);
    // Plays the song from its first chord; the page's clock (ms) then ticks it until
    // songPlaying() turns false.
    void playSong(int bpm, int beatsPerChord, double nowMs);
    void songTick(double nowMs);
    void stopSong();
    bool songPlaying() const;
    // The chord sounding now (0 first), -1 when the song is not playing.
    int songCurrentChord() const;
    // A click on one of the song's chords: it is strummed as a clicked diagram is.
    void strumSongChord(int chord);
    // The fingerings the song panel offers for chord `chord`, the easiest first, as fret lists
    // ("x32010"), as JSON; [] outside the song. Pinning holds the chord to one of them.
    std::string songAlternativesJson(int chord) const;
    // "Best capo": the capo under which the song is easiest is set; returns the offer as the
    // song panel shows it ("Capo 3: C Am F G").
    std::string useBestCapo();
    bool pinSongChord(int chord, int alternative);

    // The song as a ChordPro file with its fingerings, as the window saves it.
    std::string songChordPro() const;
    // The song as played, as a MIDI file's bytes: at `bpm`, `beatsPerChord` beats a chord, with
    // the window's instrument and strum. Empty when the song has no chord.
    std::string songMidiFile(int bpm, int beatsPerChord) const;
    // Song chord `chord`'s chosen fingering as a diagram, "" when it has none.
    std::string songChordSvg(int chord) const;

    // What the page's lists hold, as the window's lists hold it (UTF-8): the tension items, the
    // chord-type rows with their interval lists, the tuning presets' menu captions and the
    // instruments.
    static std::string vocabularyJson();
    // Diagram `index` in words, as its tooltip in the window: its score and what it leaves out.
    std::string diagramExplanation(int index) const;

    ScriptSession& session() { return session_; }

  private:
    const MainWindowModel& model() const;

    ScriptSession session_;
    DotLabels labels_ = DotLabels::Fingers;
    ChordSheet sheet_;
};

} // namespace tambrel
