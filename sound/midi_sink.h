#pragma once
// Where the program's MIDI goes: short messages, the volume setting and the strum pauses, in
// the order they are made. A device plays them; a recording keeps them for tests and scripts.
#include <cstdint>
#include <string>
#include <vector>

namespace tambrel {

class MidiSink {
  public:
    virtual ~MidiSink() = default;
    // A short message: status in the lowest byte, then the data bytes.
    virtual void shortMessage(std::uint32_t message) = 0;
    virtual void setVolume(std::uint32_t volume) = 0;
    // A pause between two strummed notes. A sink must not block its caller for it: a device
    // keeps the timing on its own player.
    virtual void pause(int milliseconds) = 0;
};

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
