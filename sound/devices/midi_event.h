#pragma once
// A complete MIDI message, as the outputs receive it.
#include <array>
#include <cstdint>

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

// The controller-7 message for a one-control volume: the low word scaled to 0..127.
MidiEvent channelVolumeEvent(std::uint32_t volume, int channel = 0);

} // namespace tambrel
