#pragma once
// Short messages as a MIDI device reads them: the status byte travels in the lowest byte of the
// 32-bit value, and a value whose first byte is a data byte continues the last status (running
// status). The outputs receive complete messages.
#include "sound/devices/midi_event.h"

#include <cstdint>
#include <optional>

namespace tambrel {

// Turns short messages into complete messages, keeping running status as a device does.
class RunningStatusDecoder {
  public:
    // The complete message, or nothing when the value cannot be read: data without a status to
    // continue, a system-exclusive start, or a status byte where a data byte belongs.
    std::optional<MidiEvent> decode(std::uint32_t message);

    std::uint8_t runningStatus() const { return runningStatus_; }
    void reset() { runningStatus_ = 0; }

  private:
    std::uint8_t runningStatus_ = 0; // 0 = none
};

} // namespace tambrel
