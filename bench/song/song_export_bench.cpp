// A songbook's long song out to files: 200 chords read, their fingerings chosen from nothing
// (every chord searched, with the common voicings) and the song written as a MusicXML lead
// sheet and as a MIDI file. The target: 200 ms for all of it.
#include "song_files/midi_file_song.h"
#include "song_files/musicxml_writer.h"
#include "window/song.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace tambrel;

// 200 chords in bars of two: many distinct symbols, four-note chords and slash basses among
// them, as a long song with a bridge in other keys has.
std::string longSong() {
    const char* bars[] = {"| Cm7 F7 ",    "| Bbmaj7 Ebmaj7 ", "| Am7b5 D7(b9) ", "| Gm6 G7 ",
                          "| C/E Fmaj7 ", "| Dm7 G13 ",       "| Ebsus4 Eb ",    "| Abmaj7 Db9 ",
                          "| F#m7 B7 ",   "| Emaj7 C#m7 "};
    std::string song;
    for (int bar = 0; bar < 100; ++bar) song += bars[bar % 10];
    return song + "|";
}

ChordQuery settings() {
    ChordQuery query;
    query.choices.commonVoicings = true;
    query.inputs.capo = 2;
    return query;
}

void BM_SongOf200ChordsReadChosenAndWritten(benchmark::State& state) {
    const std::string text = longSong();
    std::size_t written = 0;
    for (auto _ : state) {
        Song song; // nothing searched yet
        song.setText(text);
        const SongArrangement& arranged = song.arrange(settings());
        written = musicXmlOf(song).size() + midiFileOf(arranged, kStandardTuning, {}).size();
        benchmark::DoNotOptimize(written);
    }
    state.counters["chords"] = static_cast<double>(200);
    state.counters["bytes"] = static_cast<double>(written);
}
BENCHMARK(BM_SongOf200ChordsReadChosenAndWritten)->Unit(benchmark::kMillisecond);

// The writing alone, for a song already chosen: what an export costs the window.
void BM_SongOf200ChordsWritten(benchmark::State& state) {
    Song song;
    song.setText(longSong());
    song.arrange(settings());
    for (auto _ : state) {
        benchmark::DoNotOptimize(musicXmlOf(song));
        benchmark::DoNotOptimize(midiFileOf(song.arrangement(), kStandardTuning, {}));
    }
}
BENCHMARK(BM_SongOf200ChordsWritten)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
