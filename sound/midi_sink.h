#pragma once
// Where the program's MIDI goes: short messages, the volume setting and the strum pauses, in
// the order they are made. A device plays them; a recording keeps them for tests and scripts.
#include <cstdint>

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

// The volume an instrument change sets: the low word (the left or only channel) full, the high
// word 0.
constexpr std::uint32_t kFullVolume = 0x0000FFFF;

} // namespace tambrel
