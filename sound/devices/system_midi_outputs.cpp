#include "system_midi_outputs.h"

#include "builtin_synth.h"
#include "midi_port_output.h"
#include "rtmidi_client.h"

#include <RtMidi.h>

namespace tambrel {

std::vector<std::string> midiPortNames() {
    std::vector<std::string> names;
    try {
        auto out = openRtMidiClient();
        if (!out) return names;
        const unsigned count = out->getPortCount();
        for (unsigned i = 0; i < count; ++i) names.push_back(out->getPortName(i));
    } catch (...) {
        names.clear();
    }
    return names;
}

std::vector<std::string> midiOutputChoices() {
    std::vector<std::string> choices{kBuiltInSynthesiserName};
    for (auto& name : midiPortNames()) choices.push_back(std::move(name));
    return choices;
}

MidiBackendFactory systemMidiBackends() {
    return [](int index) -> std::unique_ptr<MidiBackend> {
        if (index == 0) return BuiltInSynth::open();
        if (index > 0) return MidiPortOutput::open(index - 1);
        return nullptr;
    };
}

std::unique_ptr<MidiDevice> openDefaultMidiDevice() {
    return std::make_unique<MidiDevice>(systemMidiBackends(), 0);
}

} // namespace tambrel
