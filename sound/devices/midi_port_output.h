#pragma once
// A system MIDI output port (the ALSA sequencer on Linux) through RtMidi.
#include "sound/devices/midi_backend.h"

#include <cstdint>
#include <memory>

class RtMidiOut;

namespace tambrel {

class MidiPortOutput : public MidiBackend {
  public:
    // Port `port` of midiPortNames(), or nullptr when it cannot be opened.
    static std::unique_ptr<MidiPortOutput> open(int port);
    ~MidiPortOutput() override;

    // Sends the complete message: a port gets no running status from the program.
    void send(const MidiEvent& event) override;
    // Channel volume (controller 7) of channel 1, from the low word.
    void setVolume(std::uint32_t volume) override;

  private:
    explicit MidiPortOutput(std::unique_ptr<RtMidiOut> out);
    std::unique_ptr<RtMidiOut> out_;
};

} // namespace tambrel
