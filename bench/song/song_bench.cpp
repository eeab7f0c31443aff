// A song's fingerings chosen from nothing: every chord searched (with the common voicings, up
// to fret 12) and the whole song chosen at once; and the best capo over capos 0..7. The targets:
// 50 ms for a song of 32 chords, 300 ms for its best capo.
#include "sound/recording_midi_sink.h"
#include "window/main_window_model.h"
#include "window/song.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace tambrel;

// 32 chords of a jazz standard's kind: many chords, several of them four-note ones.
const std::string kSong = "| Cm7 F7 | Bbmaj7 Ebmaj7 | Am7b5 D7 | Gm6 % | Cm7 F7 | Bbmaj7 Ebmaj7 "
                          "| Am7b5 D7 | Gm6 G7 | Am7b5 D7 | Gm6 C7 | Fm7 Bb7 | Ebmaj7 Ab7 | "
                          "Am7b5 D7 | Gm7 C7 | Fm7 Bb7 | Eb6 D7 |";

ChordQuery settings() {
    ChordQuery query;
    query.choices.commonVoicings = true;
    return query;
}

void BM_ChooseSongOf32Chords(benchmark::State& state) {
    for (auto _ : state) {
        Song song; // nothing searched yet
        song.setText(kSong);
        benchmark::DoNotOptimize(song.arrange(settings()).cost);
    }
}
BENCHMARK(BM_ChooseSongOf32Chords)->Unit(benchmark::kMillisecond);

void BM_BestCapoOfSongOf32Chords(benchmark::State& state) {
    for (auto _ : state) {
        Song song;
        song.setText(kSong);
        benchmark::DoNotOptimize(song.bestCapo(settings()).capo);
    }
}
BENCHMARK(BM_BestCapoOfSongOf32Chords)->Unit(benchmark::kMillisecond);

// A pin changes nothing searched: only the choice is made again.
void BM_RechooseAfterAPin(benchmark::State& state) {
    Song song;
    song.setText(kSong);
    song.arrange(settings());
    int chord = 0;
    for (auto _ : state) {
        song.pinAlternative(chord % 32, 1);
        benchmark::DoNotOptimize(song.arrange(settings()).cost);
        song.unpin(chord++ % 32);
    }
}
BENCHMARK(BM_RechooseAfterAPin)->Unit(benchmark::kMicrosecond);

// What the window does on its clock while a song plays: a tick that strums the chord due (the
// chord before let go), and one that finds nothing due. Both must stay far below a frame.
void BM_SongTickThatStrums(benchmark::State& state) {
    RecordingMidiSink midi;
    MainWindowModel window(midi, 644);
    window.setSongText(kSong);
    std::int64_t now = 0;
    window.playSong(300, 1, now);
    for (auto _ : state) {
        now += 200; // the next chord is due at every tick
        window.songTick(now);
        if (!window.songPlayer().playing()) window.playSong(300, 1, now);
        state.PauseTiming();
        midi.takeLog();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SongTickThatStrums)->Unit(benchmark::kMicrosecond);

void BM_SongTickWithNothingDue(benchmark::State& state) {
    RecordingMidiSink midi;
    MainWindowModel window(midi, 644);
    window.setSongText(kSong);
    window.playSong(20, 16, 0);
    for (auto _ : state) window.songTick(1);
}
BENCHMARK(BM_SongTickWithNothingDue);

} // namespace

BENCHMARK_MAIN();
