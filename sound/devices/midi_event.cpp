#include "sound/devices/midi_event.h"

namespace tambrel {

int midiDataByteCount(std::uint8_t status) {
    switch (status & 0xF0) {
    case 0x80:
    case 0x90:
    case 0xA0:
    case 0xB0:
    case 0xE0:
        return 2;
    case 0xC0:
    case 0xD0:
        return 1;
    default:
        break;
    }
    switch (status) {
    case 0xF1: // time code quarter frame
    case 0xF3: // song select
        return 1;
    case 0xF2: // song position
        return 2;
    default:
        return 0;
    }
}

MidiEvent channelVolumeEvent(std::uint32_t volume, int channel) {
    const std::uint32_t low = volume & 0xFFFF;
    const auto value = static_cast<std::uint8_t>((low * 127 + 0x7FFF) / 0xFFFF);
    return MidiEvent{static_cast<std::uint8_t>(0xB0 | (channel & 0x0F)), 7, value, 3};
}

} // namespace tambrel
