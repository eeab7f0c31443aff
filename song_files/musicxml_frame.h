#pragma once
// A fingering as a lead sheet's chord frame holds it: the frets the diagram shows, and each
// sounding string with its fret, its finger and where a barre starts and stops. Strings are
// numbered as notation numbers them, 1 the highest; frets count from the capo, as the window's
// diagrams count them, 0 open, whatever fret the frame starts at.
#include "music/fretting.h"

#include <vector>

namespace tambrel {

struct FrameNote {
    enum class Barre { None, Start, Stop };
    int string = 1; // 1 the highest-pitched string
    int fret = 0;   // 0 open
    int finger = 0; // 1..4, 0 for none (an open string)
    Barre barre = Barre::None;

    friend bool operator==(const FrameNote&, const FrameNote&) = default;
};

struct ChordFrame {
    int strings = 0;   // every string of the guitar
    int frets = 0;     // how many frets the frame shows
    int firstFret = 1; // the fret in its top row; 1 at the nut
    // The sounding strings, lowest-pitched first; a muted string has none.
    std::vector<FrameNote> notes;
};

// The frame of `fretting` as the diagrams show it (display/fingering.h): the same first fret,
// at least their five frets, the same finger numbers and barres. A barre starts on its
// lowest-pitched sounding string and stops on its highest.
ChordFrame frameOf(const Fretting& fretting);

} // namespace tambrel
