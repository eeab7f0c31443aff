#include "midi_playback.h"

#include <cstdio>
#include <cstdlib>

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

const std::array<Instrument, kInstrumentCount>& instrumentTable() {
    static const std::array<Instrument, kInstrumentCount> table{{
        {"Nylon guitar", 24},
        {"Jazz guitar", 26},
        {"Clean guitar", 27},
        {"Muted guitar", 28},
        {"Acoustic grand piano", 0},
        {"Bright acoustic piano", 1},
        {"Electric grand piano", 2},
        {"Honky-tonk-piano", 3},
        {"Chorused piano", 4},
    }};
    return table;
}

int strumPauseMilliseconds(int tempoPosition) {
    return 25 * (tempoPosition + 1);
}

void MidiPlayback::ComboBoxPatchChange(int itemIndex) {
    if (itemIndex < 0 || itemIndex >= kInstrumentCount) return;
    midiProgram_ = instrumentTable()[itemIndex].program;
    // Program change to 0, then the bare program byte: under running status the device takes
    // it as a second program change, to the chosen program.
    sink_.shortMessage(0x000000C0);
    sink_.shortMessage(static_cast<std::uint32_t>(midiProgram_ & 0xFF));
    sink_.setVolume(kFullVolume);
    // A silent note-on of note 0 leaves the running status at note-on for the strums.
    sink_.shortMessage(0x00000090);
}

void MidiPlayback::strumVoicing(const FretList& selectedFrets, const MidiNoteTable& midiNoteTable,
                                int tempoPosition) {
    for (int s = 0; s < kStringCount; ++s) {
        if (selectedFrets[s] == kMuted) continue;
        const int fret = std::abs(selectedFrets[s]);
        if (fret >= kFretColumns) continue;
        const std::uint32_t note = static_cast<std::uint32_t>(midiNoteTable[s][fret]) & 0xFF;
        sink_.shortMessage(0x00640090 + note * 0x100);
        sink_.pause(strumPauseMilliseconds(tempoPosition));
    }
}

} // namespace tambrel
