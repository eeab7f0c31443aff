#include "sound/devices/midi_port_output.h"

#include "sound/devices/rtmidi_client.h"
#include "sound/sound_diagnostics.h"

#include <RtMidi.h>

#include <exception>
#include <string>

namespace tambrel {

std::unique_ptr<MidiPortOutput> MidiPortOutput::open(int port) {
    const std::string which = "MIDI port " + std::to_string(port);
    try {
        auto out = openRtMidiClient();
        if (!out) return nullptr;
        const unsigned count = out->getPortCount();
        if (port < 0 || static_cast<unsigned>(port) >= count) {
            reportSoundEvent(which + " is not there: the system has " + std::to_string(count) +
                             " MIDI output ports");
            return nullptr;
        }
        const std::string name = out->getPortName(static_cast<unsigned>(port));
        out->openPort(static_cast<unsigned>(port), "Tambrel output");
        if (!out->isPortOpen()) {
            reportSoundEvent(which + " (" + name + ") could not be opened");
            return nullptr;
        }
        reportSoundEvent(which + " opened: " + name);
        return std::unique_ptr<MidiPortOutput>(new MidiPortOutput(std::move(out)));
    } catch (const std::exception& error) {
        reportSoundEvent(which + " could not be opened: " + error.what());
        return nullptr;
    } catch (...) {
        reportSoundEvent(which + " could not be opened");
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
