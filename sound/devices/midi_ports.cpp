#include "midi_ports.h"

#include <RtMidi.h>

#include <unistd.h>

namespace tambrel {

namespace {

constexpr const char* kClientName = "Tambrel";

void ignoreRtMidiError(RtMidiError::Type, const std::string&, void*) {}

// RtMidi cannot tell a machine without a MIDI system from a broken one and complains loudly on
// stderr before it throws; where the sequencer device is missing there is nothing to ask.
bool midiSystemPresent() {
#if defined(__linux__)
    return ::access("/dev/snd/seq", R_OK | W_OK) == 0;
#else
    return true;
#endif
}

std::unique_ptr<RtMidiOut> openClient() {
    if (!midiSystemPresent()) return nullptr;
#if defined(__linux__)
    constexpr RtMidi::Api api = RtMidi::LINUX_ALSA;
#else
    constexpr RtMidi::Api api = RtMidi::UNSPECIFIED;
#endif
    auto out = std::make_unique<RtMidiOut>(api, kClientName);
    out->setErrorCallback(ignoreRtMidiError, nullptr);
    return out;
}

} // namespace

std::vector<std::string> midiPortNames() {
    std::vector<std::string> names;
    try {
        auto out = openClient();
        if (!out) return names;
        const unsigned count = out->getPortCount();
        for (unsigned i = 0; i < count; ++i) names.push_back(out->getPortName(i));
    } catch (...) {
        names.clear();
    }
    return names;
}

std::unique_ptr<MidiPortOutput> MidiPortOutput::open(int port) {
    try {
        auto out = openClient();
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

MidiEvent channelVolumeEvent(std::uint32_t volume, int channel) {
    const std::uint32_t low = volume & 0xFFFF;
    const auto value = static_cast<std::uint8_t>((low * 127 + 0x7FFF) / 0xFFFF);
    return MidiEvent{static_cast<std::uint8_t>(0xB0 | (channel & 0x0F)), 7, value, 3};
}

} // namespace tambrel
