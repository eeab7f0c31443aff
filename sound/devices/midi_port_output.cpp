#include "midi_port_output.h"

#include "rtmidi_client.h"

#include <RtMidi.h>

namespace tambrel {

std::unique_ptr<MidiPortOutput> MidiPortOutput::open(int port) {
    try {
        auto out = openRtMidiClient();
        if (!out || port < 0 || static_cast<unsigned>(port) >= out->getPortCount()) return nullptr;
        out->openPort(static_cast<unsigned>(port), "Tambrel output");
        if (!out->isPortOpen()) return nullptr;
        return std::unique_ptr<MidiPortOutput>(new MidiPortOutput(std::move(out)));
    } catch (...) {
        return nullptr;
    }
}

MidiPortOutput::MidiPortOutput(std::unique_ptr<RtMidiOut> out) : out_(std::move(out)) {}

MidiPortOutput::~MidiPortOutput() {
    try {
        out_->closePort();
    } catch (...) {
    }
}

void MidiPortOutput::send(const MidiEvent& event) {
    const auto bytes = event.bytes();
    out_->sendMessage(bytes.data(), event.size);
}

void MidiPortOutput::setVolume(std::uint32_t volume) {
    send(channelVolumeEvent(volume));
}

} // namespace tambrel
