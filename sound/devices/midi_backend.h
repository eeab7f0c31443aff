#pragma once
// An output of the MIDI device: the built-in synthesiser or a system MIDI port.
#include "sound/devices/midi_event.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace tambrel {

// Where the player sends complete messages. Called on the player thread only.
class MidiBackend {
  public:
    virtual ~MidiBackend() = default;
    virtual void send(const MidiEvent& event) = 0;
    // A one-control device's volume: the low word, 0 silent to 0xFFFF full, for both channels.
    virtual void setVolume(std::uint32_t volume) = 0;
};

// The output for an index of midiOutputChoices(), or nullptr when it cannot be opened.
// It is called on the player thread and may take its time (loading a SoundFont).
using MidiBackendFactory = std::function<std::unique_ptr<MidiBackend>(int outputIndex)>;

} // namespace tambrel
