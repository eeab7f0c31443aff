#pragma once
// How the fretting hand holds a fret list, as every picture of it shows it: the chord diagrams,
// the neck view and the terminal's text diagrams all draw from this one layout.
#include "music/fretboard.h"
#include "music/fretting.h"

#include <array>

namespace tambrel {

// The mark a diagram puts under a string.
enum class StringMark {
    Muted,    // a cross
    Lowest,   // a filled dot: the lowest-indexed sounding string
    Sounding, // a ring: any other sounding string
};

// One finger: a single fretted note, or a barre laid over several strings at one fret.
struct FingerPlacement {
    int fret = 0;
    int finger = 0; // counted in order of fret, then of string; only 1..4 have marks
    bool barre = false;
    // The single note's string; for a barre, the strings it crosses from its first string
    // towards the highest, up to an open or lower-fretted string or one already held. Muted
    // strings and strings fretted higher lie under the bar too (those keep a finger of their
    // own at their own fret).
    std::array<int, kStringCount> strings{};
    int stringCount = 0;
};

struct Fingering {
    std::array<StringMark, kStringCount> marks{};
    int lowestFret = 100; // the lowest fretted fret, 100 when nothing is fretted
    int highestFret = 0;  // the highest fretted fret, 0 when nothing is fretted
    // The fret a five-fret diagram starts from: the lowest fretted fret, or 1 for a voicing
    // that fits below the sixth fret (all open or muted voicings too).
    int baseFret = 1;
    // In order of fret, then of string: the order the fingers are numbered and drawn in.
    std::array<FingerPlacement, kStringCount> placements{};
    int placementCount = 0;
};

// How the hand holds `fretting`: its barres laid, a fingertip on every other fretted string.
Fingering fingeringOf(const Fretting& fretting);

// The diagram column of string s: string s from the left, or mirrored for the left hand, the
// lowest string on the right.
constexpr int diagramColumn(int s, bool leftHanded) {
    return leftHanded ? kStringCount - 1 - s : s;
}

// A five-fret diagram shows frets baseFret .. baseFret + 4.
constexpr int kDiagramFrets = 5;

} // namespace tambrel
