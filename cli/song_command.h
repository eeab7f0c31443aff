#pragma once
// A song in the terminal: one fingering a chord, chosen to flow from chord to chord, printed a
// line each for scripts and for the eye alike.
#include "cli/dictionary.h"
#include "window/song.h"

#include <string>

namespace tambrel {

struct SongOptions {
    std::string text;       // --song: the chords as a lead sheet or ChordPro writes them, or a file
    std::string capo;       // --capo: a number 0..11, or "best"; "" for none
    int transpose = 0;      // --transpose: semitones, negative down
    bool shapes = false;    // --shapes: name the chords the fingers play under the capo
    std::string chordPro;   // --chordpro: the file the song is written to as ChordPro
    bool noFingers = false; // --no-fingers: its defines without finger numbers
};

// Prints a line a chord: the symbol (transposed when asked), a tab, the six frets low string
// first separated by blanks, "x" muted, counted from the capo ("none" for a chord without a
// fingering); with --explain its cost parts on the next line; then "capo N". An unreadable
// symbol is named on standard error and makes the status kUnreadableSymbol, the rest of the
// song still printed. When the text names a file, the song is that file's (refused with status
// 1 when it cannot be read or is larger than kLargestSongFile); a ChordPro song's own capo
// (unless --capo), transposition (--transpose adds to it) and fingerings hold. With --chordpro
// the song is also written to that file whole or not at all (status 1 when it cannot be).
int printSong(const DictionaryOptions& options, const SongOptions& song);

// The song of the options read and arranged into `panel` as --song arranges it, under
// `settings` read from the options and the capo (or the best); each unreadable symbol is told on
// standard error. Returns 0, kUnreadableSymbol, or kUsageError for options that cannot be read
// (nothing arranged then).
// arrangeSongOptions's answer when --song names a file that cannot be read (said on standard
// error; the program's status is then 1).
constexpr int kSongFileUnreadable = -1;
int arrangeSongOptions(const DictionaryOptions& options, const SongOptions& song, Song& panel,
                       ChordQuery& settings);

// The capo of --capo as a number 0..11 (-1 for "best"), or the message for anything else.
std::optional<std::string> readCapo(const std::string& text, int& capo);

} // namespace tambrel
