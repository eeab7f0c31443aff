#include "sound/devices/running_status_decoder.h"

namespace tambrel {

std::optional<MidiEvent> RunningStatusDecoder::decode(std::uint32_t message) {
    const std::uint8_t bytes[3] = {static_cast<std::uint8_t>(message & 0xFF),
                                   static_cast<std::uint8_t>((message >> 8) & 0xFF),
                                   static_cast<std::uint8_t>((message >> 16) & 0xFF)};
    std::uint8_t status = bytes[0];
    int next = 1; // where the data bytes start
    if (status < 0x80) {
        if (runningStatus_ == 0) return std::nullopt;
        status = runningStatus_;
        next = 0;
    }

    if (status >= 0xF8) return MidiEvent{status, 0, 0, 1}; // real time: leaves running status be
    if (status >= 0xF0)
        runningStatus_ = 0; // system common ends running status
    else
        runningStatus_ = status;
    if (status == 0xF0 || status == 0xF7) return std::nullopt; // no room for system exclusive

    MidiEvent event{status, 0, 0, 1};
    const int count = midiDataByteCount(status);
    for (int i = 0; i < count; ++i) {
        const std::uint8_t data = bytes[next + i];
        if (data >= 0x80) return std::nullopt;
        (i == 0 ? event.data1 : event.data2) = data;
    }
    event.size = static_cast<std::uint8_t>(1 + count);
    return event;
}

} // namespace tambrel
