#pragma once
#include "midi_sink.h"

#include <cstdint>

namespace tambrel {

// Passes everything on to two sinks: the device, and the recording a session reports.
class TeeMidiSink : public MidiSink {
  public:
    TeeMidiSink(MidiSink& first, MidiSink& second) : first_(first), second_(second) {}
    void shortMessage(std::uint32_t message) override;
    void setVolume(std::uint32_t volume) override;
    void pause(int milliseconds) override;

  private:
    MidiSink& first_;
    MidiSink& second_;
};

} // namespace tambrel
