#include "tee_midi_sink.h"

namespace tambrel {

void TeeMidiSink::shortMessage(std::uint32_t message) {
    first_.shortMessage(message);
    second_.shortMessage(message);
}
void TeeMidiSink::setVolume(std::uint32_t volume) {
    first_.setVolume(volume);
    second_.setVolume(volume);
}
void TeeMidiSink::pause(int milliseconds) {
    first_.pause(milliseconds);
    second_.pause(milliseconds);
}

} // namespace tambrel
