#pragma once
// Standard chord notation written from a set of tones: the symbol a guitarist reads for the
// intervals above a root ("m7b5", "7#9(no5)", "(add9)", "6/9", "9sus4"), and each tone's note
// name spelt from the root by its degree ("C Eb Gb Bb").
#include "music/chord_symbol.h"

#include <string>
#include <vector>

namespace tambrel {

struct SpelledChord {
    std::string suffix;  // what follows the root: "m7b5", "7#9(no5)", "(add9)", "" for major
    std::string quality; // the named quality without alterations and parentheses: "m7b5", "7"
    std::vector<ChordTone> tones; // the root first, then by degree
    int altered = 0;              // alterations written: b5, #5, b9, #9, #11, b13, and a sus
    int added = 0;                // tones written with "add"
    int omitted = 0;              // "no3", "no5"
};

// Writes the distinct semitone offsets above a root (0 among them) as a chord symbol's suffix.
// The reading: a 4 is the major third (a 3 beside it the #9), else a 3 the minor third, else a
// 5 or a 2 takes the third's place (sus4, sus2); a 7 is the fifth, else a 6 or an 8 its
// alteration; a 10 or an 11 the seventh (a 9 the diminished seventh of a diminished chord);
// the plain tensions stack to the highest one whose lower ones are all there (a thirteenth
// with a major third needs no eleventh); the rest are alterations, "add" tones, and what is
// missing of the third and fifth is written "no3", "no5". readChordSymbol reads every suffix
// written here back to the same offsets.
SpelledChord spellChord(const std::vector<int>& offsets);

// How common a quality name is: 0 for the major triad, then minor, 7, m7, maj7 ...; names
// outside the list of everyday qualities come last.
int qualityRank(const std::string& quality);

// The note name of a tone, spelt by its degree from the root's letter ("C", 3, 3 -> "Eb";
// "F#", 7, 10 -> "E"). A tone that would need a double sharp or flat takes its plain
// enharmonic name instead (the diminished seventh of C is "A"), with flats beside a flat root;
// so does a tone that would be E#, B#, Cb or Fb.
std::string spellNote(const std::string& rootName, int degree, int offset);

} // namespace tambrel
