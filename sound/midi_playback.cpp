#include "sound/midi_playback.h"

#include "sound/instruments.h"
#include "sound/strum_pause.h"

#include <cstdint>
#include <cstdlib>

namespace tambrel {

void MidiPlayback::selectInstrument(int itemIndex) {
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

int soundingNote(const Fretting& frets, const MidiNoteTable& midiNoteTable, int s) {
    if (frets.muted(s) || frets.fret(s) >= kFretColumns) return -1;
    return midiNoteTable[s][frets.fret(s)] & 0xFF;
}

void MidiPlayback::releaseVoicing(const Fretting& frets, const MidiNoteTable& midiNoteTable) {
    for (int s = 0; s < kStringCount; ++s) {
        const int note = soundingNote(frets, midiNoteTable, s);
        if (note >= 0) sink_.shortMessage(0x00000090 + static_cast<std::uint32_t>(note) * 0x100);
    }
}

void MidiPlayback::strumVoicing(const Fretting& selectedFrets, const MidiNoteTable& midiNoteTable,
                                int tempoPosition) {
    for (int s = 0; s < kStringCount; ++s) {
        const int note = soundingNote(selectedFrets, midiNoteTable, s);
        if (note < 0) continue;
        sink_.shortMessage(0x00640090 + static_cast<std::uint32_t>(note) * 0x100);
        sink_.pause(strumPauseMilliseconds(tempoPosition));
    }
}

} // namespace tambrel
