#pragma once
// A song in the terminal: one fingering a chord, chosen to flow from chord to chord, printed a
// line each for scripts and for the eye alike.
#include "cli/dictionary.h"
#include "window/song.h"

#include <string>

namespace tambrel {

struct SongOptions {
    std::string text;    // --song: the chords as a lead sheet writes them
    std::string capo;    // --capo: a number 0..11, or "best"; "" for none
    int transpose = 0;   // --transpose: semitones, negative down
    bool shapes = false; // --shapes: name the chords the fingers play under the capo
};

// Prints a line a chord: the symbol (transposed when asked), a tab, the six frets low string
// first separated by blanks, "x" muted, counted from the capo ("none" for a chord without a
// fingering); with --explain its cost parts on the next line; then "capo N". An unreadable
// symbol is named on standard error and makes the status kUnreadableSymbol, the rest of the
// song still printed.
int printSong(const DictionaryOptions& options, const SongOptions& song);

// The song of the options read and arranged into `panel` as --song arranges it, under
// `settings` read from the options and the capo (or the best); each unreadable symbol is told on
// standard error. Returns 0, kUnreadableSymbol, or kUsageError for options that cannot be read
// (nothing arranged then).
int arrangeSongOptions(const DictionaryOptions& options, const SongOptions& song, Song& panel,
                       ChordQuery& settings);

// The capo of --capo as a number 0..11 (-1 for "best"), or the message for anything else.
std::optional<std::string> readCapo(const std::string& text, int& capo);

} // namespace tambrel
