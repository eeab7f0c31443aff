#pragma once
// The instrument change and the strum of a voicing, as MIDI short messages on channel 1.
#include "music/fretboard.h"
#include "music/fretting.h"
#include "sound/midi_sink.h"

namespace tambrel {

// The note string s sounds at its fret in `frets`, or -1 for a muted string or a fret beyond the
// table.
int soundingNote(const Fretting& frets, const MidiNoteTable& midiNoteTable, int s);

class MidiPlayback {
  public:
    // Opening the device sends nothing: notes sound with the device's current program until
    // an instrument is chosen.
    explicit MidiPlayback(MidiSink& sink) : sink_(sink) {}

    // Program change to instrument `itemIndex` of instrumentTable(). An index outside the table
    // (a typed text that names no instrument) sends nothing.
    void selectInstrument(int itemIndex);

    // One note-on per sounding string, lowest string first, each followed by a pause of
    // 25 x (tempo + 1) ms; muted strings send nothing and wait for nothing.
    void strumVoicing(const Fretting& selectedFrets, const MidiNoteTable& midiNoteTable,
                      int tempoPosition);

    // Each sounding string's note let go, as a note-on at velocity 0 (the running status stays
    // at note-on): a string struck again or damped by the hand stops ringing. Nothing waits.
    void releaseVoicing(const Fretting& frets, const MidiNoteTable& midiNoteTable);
    int midiProgram() const { return midiProgram_; }

  private:
    MidiSink& sink_;
    int midiProgram_ = 0;
};

} // namespace tambrel
