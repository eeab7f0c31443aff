#pragma once
// The song panel's state: the song's text as typed, its chords as read, a transposition, the
// fingerings the user pinned, and the arrangement chosen under the window's settings. Plain
// C++: the desktop window, the terminal's --song and the session all work through it.
#include "music/fretboard.h"
#include "music/song_text.h"
#include "song_files/chordpro_reader.h"
#include "window/song_arrangement.h"

#include <optional>
#include <string>
#include <vector>

namespace tambrel {

class Song {
  public:
    // A new song: read, its transposition and pins let go. ChordPro text (looksLikeChordPro)
    // is read as ChordPro, anything else as a lead sheet.
    void setText(const std::string& utf8);
    const std::string& text() const { return text_; }
    const SongText& reading() const { return reading_; }
    bool empty() const { return reading_.chords.empty(); }
    // What a ChordPro text states beside its chords (title, key, capo, transposition, its own
    // fingerings); none for a lead sheet.
    const std::optional<ChordProSong>& chordPro() const { return chordPro_; }

    // Semitones up (down when negative) from the song as written, spelled for the new key;
    // the pins, made for the old chords, are let go.
    void setTransposition(int semitones);
    int transposition() const { return transposition_; }
    // The chords that sound: the symbols as read, transposed.
    const std::vector<std::string>& symbols() const { return symbols_; }

    // Holds chord `chord` (0 first) to a fingering, frets counted from the capo. False for a
    // chord outside the song. A pin holds under the tuning and capo of the arrangement it was
    // made in: under another, the same frets would sound another chord, so every pin is let go.
    bool pin(int chord, const Fretting& fingering);
    // Pins alternative `alternative` of the chord's list in the current arrangement.
    bool pinAlternative(int chord, int alternative);
    bool unpin(int chord);
    const std::vector<SongPin>& pins() const { return pins_; }
    // Pins every chord to the ChordPro text's own fingering of its name (the chord as it
    // sounds), where that fingering sounds the chord under the tuning and capo of `settings`:
    // the file's fingering of another chord, or of the chord under another capo, is passed
    // over. Returns how many chords were pinned.
    int pinStatedFingerings(const ChordQuery& settings);

    // Chooses the fingerings anew under `settings` (tuning, limits, options, capo, "Common
    // voicings"); each chord is searched once for as long as the settings stay.
    const SongArrangement& arrange(const ChordQuery& settings);
    const SongArrangement& arrangement() const { return arrangement_; }
    // The best capo for the song as it stands, under the same settings otherwise.
    CapoOffer bestCapo(const ChordQuery& settings);

  private:
    void readSymbols();

    std::string text_;
    SongText reading_;
    std::optional<ChordProSong> chordPro_;
    int transposition_ = 0;
    std::vector<std::string> symbols_;
    std::vector<SongPin> pins_;
    // The strings as the capo raises them when the pins were made.
    StringNotes pinnedUnder_{};
    SongSearches searches_;
    SongArrangement arrangement_;
};

} // namespace tambrel
