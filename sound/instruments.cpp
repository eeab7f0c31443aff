#include "sound/instruments.h"

namespace tambrel {

const std::array<Instrument, kInstrumentCount>& instrumentTable() {
    static const std::array<Instrument, kInstrumentCount> table{{
        {"Nylon guitar", 24},
        {"Jazz guitar", 26},
        {"Clean guitar", 27},
        {"Muted guitar", 28},
        {"Acoustic grand piano", 0},
        {"Bright acoustic piano", 1},
        {"Electric grand piano", 2},
        {"Honky-tonk-piano", 3},
        {"Chorused piano", 4},
    }};
    return table;
}

} // namespace tambrel
