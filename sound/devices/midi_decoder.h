#pragma once
// Short messages as a MIDI device reads them: the status byte travels in the lowest byte of the
// 32-bit value, and a value whose first byte is a data byte continues the last status (running
// status). The outputs receive complete messages.
#include <array>
#include <cstdint>
#include <optional>

namespace tambrel {

struct MidiEvent {
    std::uint8_t status = 0; // 0x80..0xFF
    std::uint8_t data1 = 0;
    std::uint8_t data2 = 0;
    std::uint8_t size = 1; // bytes that belong to the message, status included: 1 to 3

    std::uint8_t kind() const { return status < 0xF0 ? status & 0xF0 : status; }
    int channel() const { return status & 0x0F; } // counted from 0; channel voice messages only
    // The message as sent on a wire: the first `size` bytes count.
    std::array<std::uint8_t, 3> bytes() const { return {status, data1, data2}; }

    friend bool operator==(const MidiEvent&, const MidiEvent&) = default;
};

// Data bytes that follow a status byte: 2 for notes, key pressure, controllers and pitch bend,
// 1 for program change and channel pressure, 0..2 for system messages.
int midiDataByteCount(std::uint8_t status);

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
