#pragma once
// The outputs the program offers: the built-in synthesiser first, then the system's MIDI output
// ports; and the program's own device, which plays on them.
#include "sound/devices/midi_backend.h"
#include "sound/devices/midi_device.h"

#include <memory>
#include <string>
#include <vector>

namespace tambrel {

// Index 0 of midiOutputChoices(): the built-in synthesiser.
inline constexpr const char* kBuiltInSynthesiserName = "Built-in synthesiser";

// The names of the system's MIDI output ports; empty when there is no MIDI system. Never throws.
std::vector<std::string> midiPortNames();

// The outputs a user can choose: the built-in synthesiser first, then the system's MIDI output
// ports (none when the system has no MIDI sequencer). Fast; never throws.
std::vector<std::string> midiOutputChoices();

// Opens the outputs of midiOutputChoices() by index.
MidiBackendFactory systemMidiBackends();

// The program's device: the built-in synthesiser, loaded on the player thread. Returns at once.
std::unique_ptr<MidiDevice> openDefaultMidiDevice();

} // namespace tambrel
