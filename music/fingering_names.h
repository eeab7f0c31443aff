#pragma once
// Naming a fingering: a fret list as guitarists write it ("x32010", "x 3 2 0 1 0",
// "8 10 10 9 8 8", "x,10,12,12,11,10"), its notes under a tuning and the chords they read as.
#include "music/fretboard.h"
#include "music/note_names.h"
#include "music/plain_names.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tambrel {

constexpr int kHighestNamedFret = 24;

struct FretListReading {
    std::optional<FretList> frets; // 99 muted, 0 open, 1..24 fretted; string 0 (lowest) first
    std::string error;             // why the text is no fret list, when it is not
};

// Six entries, low string first, each "x" or "X" for a muted string or a fret 0..24. Written
// either as six characters with nothing between them (frets 0..9 only) or separated by
// blanks, commas, dots or slashes, or by hyphens alone ("X-3-2-0-1-0").
FretListReading readFretList(std::string_view text);

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
FingeringNames nameFingering(const FretList& frets, const MidiNoteTable& midi,
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
std::string fingeringMismatch(const FretList& frets, const MidiNoteTable& midi,
                              const FingeringLimits& limits, const NoteNames& names);

// A fret list as guitarists write it: "x32010", or "x 10 12 12 11 10" where a fret is above 9;
// barre marks aside.
std::string fretListText(const FretList& frets);

// True when the two fret lists finger the same frets, barre marks aside.
bool sameFrets(const FretList& a, const FretList& b);

} // namespace tambrel
