#pragma once
// A song as it is played, as a MIDI file (format 0, one track on channel 1): the tempo, the
// instrument, then each chord strummed on its beat as the window strums it, lowest string
// first with the window's pause between strings, at the pitch it sounds under the capo. A
// chord's strings ring until the next chord is struck (or, for the last, to the end of its
// beats), as they do when the window plays the song.
#include "music/fretboard.h"
#include "window/song_arrangement.h"

#include <string>

namespace tambrel {

// Ticks of a quarter note (a beat) in the file.
constexpr int kMidiFileTicksPerBeat = 480;

struct MidiFilePerformance {
    int bpm = 90;          // brought into kSlowestBpm..kFastestBpm, as the song panel's is
    int beatsPerChord = 4; // brought into 1..16
    // The item of the window's instrument list (sound/instruments.h); one outside it is the
    // list's first, the nylon guitar that the window names before any is chosen.
    int instrument = 0;
    int tempoPosition = 2; // the window's tempo control: the pause between strings
};

// The file of `arrangement` under `tuning` (its capo taken from the arrangement). A chord
// without a fingering is a silence of its beats. A strum longer than its chord's beats is
// drawn closer, so that every string is struck before the next chord.
std::string midiFileOf(const SongArrangement& arrangement, const StringNotes& tuning,
                       const MidiFilePerformance& performance);

} // namespace tambrel
