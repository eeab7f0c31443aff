#include "sound/devices/system_midi_outputs.h"

#include "sound/devices/builtin_synth.h"
#include "sound/devices/midi_port_output.h"
#include "sound/devices/rtmidi_client.h"
#include "sound/sound_diagnostics.h"

#include <RtMidi.h>

#include <exception>

namespace tambrel {

std::vector<std::string> midiPortNames() {
    std::vector<std::string> names;
    try {
        auto out = openRtMidiClient();
        if (!out) return names;
        const unsigned count = out->getPortCount();
        for (unsigned i = 0; i < count; ++i) names.push_back(out->getPortName(i));
    } catch (const std::exception& error) {
        reportSoundEvent(std::string("no MIDI ports: ") + error.what());
        names.clear();
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
        if (index == 0) {
            reportSoundEvent("output 0: the built-in synthesiser");
            return BuiltInSynth::open();
        }
        if (index > 0) {
            reportSoundEvent("output " + std::to_string(index) + ": MIDI port " +
                             std::to_string(index - 1));
            return MidiPortOutput::open(index - 1);
        }
        return nullptr;
    };
}

std::unique_ptr<MidiDevice> openDefaultMidiDevice() {
    return std::make_unique<MidiDevice>(systemMidiBackends(), 0);
}

} // namespace tambrel
