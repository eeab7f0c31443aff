#pragma once
// The chord's readings in plain standard notation, best first: "Cm7b5 — C Eb Gb Bb" for the
// tones C D# F# A#, "C/E — C E G" for C E G over E. Each reading is one candidate root of the
// chord name list, written by spellChord.
#include "music/chord_names.h"
#include "music/chord_spelling.h"
#include "music/note_names.h"
#include "music/single_byte_text.h"

#include <string>
#include <vector>

namespace tambrel {

struct PlainReading {
    int root = 0;
    int bass = 0;       // the bass under this reading; a slash reading when it is not the root
    std::string symbol; // "Cm7b5", "C/E", "C(add9)", "D/F#"
    std::string notes;  // the chord's notes spelt from the root: "C Eb Gb Bb"; a bass that
                        // is no tone of the chord above it comes first: "F# C E G"
    SpelledChord spelling;
    int cost = 0;                         // the ranking's first figure, see plainReadings
    std::vector<std::string> engineNames; // the chord name list's names from this root
};

// The readings of the chord tones over the bass, best first, by one rule: fewest departures
// from a plain chord on its root, where each counts one (a bass other than the root, and one
// more for a bass that is no tone of the chord above it; each altered tone, sus included; each
// added and each omitted tone, an added altered tone such as "addb13" counting as both); then
// the more common quality name (major, minor, 7, m7, maj7, 5, sus4, sus2, 6, m6, 9, ...); then
// the shorter symbol; then the order of the chord name list's roots. So a root-position reading
// goes before a slash reading of equal standing ("Am7" before "C6/A"), and a plain slash chord
// before an altered chord on its bass ("C/E" before "Em#5"). A chord of a single pitch class reads
// as its note's name. Names come from `names` (the root grid's sharps or flats).
std::vector<PlainReading> plainReadings(const std::vector<int>& chordTones, int bassNote,
                                        const NoteNames& names);
// The same from the chord name list's readings of those tones and bass.
std::vector<PlainReading> plainReadings(const std::vector<RootReading>& roots, int bassNote,
                                        const NoteNames& names);

// "Cm7b5 — C Eb Gb Bb" (UTF-8).
std::string plainCaption(const PlainReading& reading);

// What names a searched chord: the lines of the chord name list and the plain name shown over
// the results ("" when there is none), from one reading of its roots.
struct ChordNaming {
    std::vector<SingleByteText> lines; // the chord name list's, in the vocabulary's code page
    std::string plainName;             // UTF-8
};
ChordNaming nameChord(const std::vector<int>& chordTones, int bassNote, const NoteNames& names);

} // namespace tambrel
