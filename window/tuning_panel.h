#pragma once
// The tuning button with its twelve presets, and the six string tuners.
#include "music/fretboard.h"

namespace tambrel {

// The tuner numbers 1..6 stand for strings 0..5, the lowest string's tuner first.
constexpr int stringOfTuner(int tuner) {
    return tuner - 1;
}
constexpr bool isTuner(int tuner) {
    return tuner >= 1 && tuner <= kStringCount;
}

} // namespace tambrel
