#pragma once
// The system's MIDI output ports (the ALSA sequencer on Linux) through RtMidi.
#include "midi_output.h"

#include <string>
#include <vector>

class RtMidiOut;

namespace tambrel {

// The names of the system's MIDI output ports; empty when there is no MIDI system. Never throws.
std::vector<std::string> midiPortNames();

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

// The controller-7 message for a one-control volume: the low word scaled to 0..127.
MidiEvent channelVolumeEvent(std::uint32_t volume, int channel = 0);

} // namespace tambrel
