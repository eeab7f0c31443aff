#pragma once
#include "sound/midi_sink.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tambrel {

// Keeps everything it receives, in order, as the lines of the session's "midi" log:
// "0x00643090", "volume 0x0000FFFF", "pause 75".
class RecordingMidiSink : public MidiSink {
  public:
    void shortMessage(std::uint32_t message) override;
    void setVolume(std::uint32_t volume) override;
    void pause(int milliseconds) override;

    const std::vector<std::string>& log() const { return log_; }
    std::vector<std::string> takeLog();

  private:
    std::vector<std::string> log_;
};

} // namespace tambrel
