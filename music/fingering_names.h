#pragma once
// Naming a fingering: its notes under a tuning and the chords they read as.
#include "music/fret_list_text.h"
#include "music/fretboard.h"
#include "music/fretting.h"
#include "music/note_names.h"
#include "music/plain_names.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tambrel {

struct FingeringNames {
    std::array<int, kStringCount> pitchClass{};     // -1 where the string is muted
    std::array<std::string, kStringCount> noteName; // "" where the string is muted
    std::vector<int> tones; // the distinct sounding pitch classes, lowest sounding first
    int bass = -1;          // the lowest sounding note's pitch class; -1 when all are muted
    std::vector<PlainReading> readings;   // best first; empty when nothing sounds
    std::vector<std::string> engineNames; // the chord name list of the same tones and bass
};

// The notes of a fret list under a tuning (the MIDI note of every string and fret), and what
// they read as: the sounding notes as the chord tones and the lowest of them as the bass.
// Names come from `names` (sharps or flats). Frets beyond the table count as muted.
FingeringNames nameFingering(const Fretting& frets, const MidiNoteTable& midi,
                             const NoteNames& names);

// The limits a search holds every fingering to, as far as a fingering shows them by itself.
struct FingeringLimits {
    int rootNote = 0;
    int bassNote = 0;
    std::vector<int> chordTones; // the chord's pitch classes as searched (after any omissions)
    int thirdInterval = 4;       // for the advice on "(omit3)" and "(omit5)"
    int fifthInterval = 7;
    int maxFret = 12; // "Up to fret": the bass lies below it
    int distance = 5; // "Distance": the fretted frets span fewer frets than this
};

// Why the search cannot list this fingering, or "" when nothing in the fingering itself
// forbids it (the finger count, the barres and the options may still turn it away). The first
// reason found: a chord tone it leaves out ("it leaves out the fifth, G: tick "(omit5)""), a
// note it sounds that is no tone of the chord, a lowest string that does not sound the bass
// or lies above the third string, a bass beyond "Up to fret", a stretch beyond "Distance".
std::string fingeringMismatch(const Fretting& frets, const MidiNoteTable& midi,
                              const FingeringLimits& limits, const NoteNames& names);

// True when the two fret lists finger the same frets, barre marks aside.
bool sameFrets(const Fretting& a, const Fretting& b);

} // namespace tambrel
