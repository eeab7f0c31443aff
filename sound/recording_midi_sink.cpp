#include "sound/recording_midi_sink.h"

#include <cstdio>

namespace tambrel {

void RecordingMidiSink::shortMessage(std::uint32_t message) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", message);
    log_.emplace_back(text);
}

void RecordingMidiSink::setVolume(std::uint32_t volume) {
    char text[24];
    std::snprintf(text, sizeof text, "volume 0x%08X", volume);
    log_.emplace_back(text);
}

void RecordingMidiSink::pause(int milliseconds) {
    log_.push_back("pause " + std::to_string(milliseconds));
}

std::vector<std::string> RecordingMidiSink::takeLog() {
    std::vector<std::string> taken;
    taken.swap(log_);
    return taken;
}

} // namespace tambrel
