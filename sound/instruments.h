#pragma once
// The instruments of the sound chooser: General MIDI guitars and pianos.
#include <array>

namespace tambrel {

struct Instrument {
    const char* name;
    int program; // General MIDI program, counted from 0
};
constexpr int kInstrumentCount = 9;
const std::array<Instrument, kInstrumentCount>& instrumentTable();

} // namespace tambrel
