#include "midi_output.h"

#include "builtin_synth.h"
#include "midi_ports.h"

namespace tambrel {

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
