#pragma once
// The chord panel's rules that both ways of stating a chord share, the ticks of the tension
// list and a typed symbol: the note limit and building the formula under it (chord_formula.h),
// and the sizes of the third and fifth.
#include "music/chord_formula.h"
#include "music/chord_vocabulary.h"

#include <array>
#include <string>

namespace tambrel {

// The sizes of the chord's third and of its fifth, read from the ticks; the omit options use
// them.
struct ThirdAndFifth {
    int third = 4;
    int fifth = 7;
};
ThirdAndFifth thirdAndFifthOf(const std::array<bool, kTensionCount>& ticked);

} // namespace tambrel
