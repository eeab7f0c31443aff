#pragma once
// The chord name list: every name under which the current chord tones can be read, each tone
// and the bass taken in turn as the root.
#include "music/note_names.h"

#include <string>
#include <vector>

namespace tambrel {

// The lines of the chord name list, in the order shown. chordTones by value (pitch classes
// 0..11, root first); rootGridNames: the 12 texts of the root grid (the names shown with sharps
// or flats). Both the root and the bass part of every name come from rootGridNames.
//
// The first line keeps the name exactly as built ("A/dim/C"); every later line has its first
// "/" deleted ("Cdim", "Em5+/C"). A pitch class outside 0..11 in the bass or the tones (12 is
// "no note") gives an empty list.
std::vector<std::string> listChordNames(std::vector<int> chordTones, int bassNote,
                                        const NoteNames& rootGridNames);

// What the naming reads with one candidate root: the chord's tones above it and every name it
// builds from them, before the list sorts and merges the names of all roots.
struct RootReading {
    int root = 0;
    bool bassIsRoot = false;
    std::vector<int> intervals;     // every tone above this root, ascending (a doubled tone twice)
    int third = -1;                 // the interval taken as the third, 3 or 4; -1 when none
    int fifth = -1;                 // 7, or the 6 or 8 taken for it; -1 when none
    std::vector<int> others;        // the intervals left after the third and the fifth
    std::string quality;            // the quality text: "m/5-/6+", "" for the major triad
    std::vector<std::string> names; // the names built from this root, in the order built
};

// The readings of the list's candidate roots, in the list's order of roots: each chord tone
// in turn, the bass last when it is not a chord tone. Empty where listChordNames is.
std::vector<RootReading> chordReadings(std::vector<int> chordTones, int bassNote,
                                       const NoteNames& rootGridNames);

// The chord name list made from the readings of chordReadings: listChordNames is
// chordNameLines(chordReadings(...)).
std::vector<std::string> chordNameLines(const std::vector<RootReading>& readings);

} // namespace tambrel
