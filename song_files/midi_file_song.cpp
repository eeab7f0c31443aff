#include "song_files/midi_file_song.h"

#include "song_files/midi_file_writer.h"
#include "sound/instruments.h"
#include "sound/midi_playback.h"
#include "sound/song_player.h"
#include "sound/strum_pause.h"
#include "tuning/tunings.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace tambrel {
namespace {

// The window's strums are struck this hard.
constexpr int kStrumVelocity = 100;

std::vector<int> notesOf(const ArrangedChord& chord, const MidiNoteTable& table) {
    std::vector<int> notes;
    if (!chord.fingering) return notes;
    for (int s = 0; s < kStringCount; ++s) {
        const int note = soundingNote(*chord.fingering, table, s);
        if (note >= 0) notes.push_back(note);
    }
    return notes;
}

} // namespace

std::string midiFileOf(const SongArrangement& arrangement, const StringNotes& tuning,
                       const MidiFilePerformance& performance) {
    const int bpm = std::clamp(performance.bpm, kSlowestBpm, kFastestBpm);
    const std::int64_t chordTicks =
        static_cast<std::int64_t>(std::clamp(performance.beatsPerChord, 1, 16)) *
        kMidiFileTicksPerBeat;
    // The pause in milliseconds as ticks at this tempo, to the nearest.
    const std::int64_t pauseMs = strumPauseMilliseconds(performance.tempoPosition);
    const std::int64_t pauseTicks = (pauseMs * kMidiFileTicksPerBeat * bpm + 30000) / 60000;
    const bool listed = performance.instrument >= 0 && performance.instrument < kInstrumentCount;
    const int program = instrumentTable()[listed ? performance.instrument : 0].program;
    const MidiNoteTable table = midiNoteTableFor(tuning, arrangement.capo);

    MidiFileWriter file(kMidiFileTicksPerBeat);
    file.tempo(0, (60'000'000 + bpm / 2) / bpm);
    file.programChange(0, 0, program);
    std::vector<int> ringing;
    std::int64_t at = 0;
    for (const ArrangedChord& chord : arrangement.chords) {
        for (int note : ringing) file.noteOff(at, 0, note);
        ringing = notesOf(chord, table);
        const auto strings = static_cast<std::int64_t>(ringing.size());
        const std::int64_t pause = strings > 1 ? std::min(pauseTicks, chordTicks / strings) : 0;
        for (std::int64_t i = 0; i < strings; ++i)
            file.noteOn(at + i * pause, 0, ringing[static_cast<std::size_t>(i)], kStrumVelocity);
        at += chordTicks;
    }
    for (int note : ringing) file.noteOff(at, 0, note);
    return file.bytes(at);
}

} // namespace tambrel
