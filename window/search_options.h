#pragma once
// The option controls beside the results: the items of "Up to fret" and "Distance", and the
// search inputs read from them.
#include <array>

namespace tambrel {

constexpr std::array<int, 4> kFretItems{6, 12, 18, 24};  // "Up to fret"
constexpr std::array<int, 4> kDistanceItems{2, 3, 4, 5}; // "Distance"
// The order of the diagrams: item 0 "Position" (the search's own, the default), item 1
// "Easiest first".
constexpr std::array<const char*, 2> kOrderItems{"Position", "Easiest first"};

// The item of "Up to fret" that shows `maxFret`, or -1 when none does.
int fretItemOf(int maxFret);

// The item of "Distance" that "Easy chords" selects when ticked ("3") or unticked ("5", not
// the Distance chosen before).
constexpr int distanceItemForEasyChords(bool easyChords) {
    return easyChords ? 1 : 3;
}

} // namespace tambrel
