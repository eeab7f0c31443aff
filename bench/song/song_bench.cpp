// A song's fingerings chosen from nothing: every chord searched (with the common voicings, up
// to fret 12) and the whole song chosen at once; and the best capo over capos 0..7. The targets:
// 50 ms for a song of 32 chords, 300 ms for its best capo.
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

} // namespace

BENCHMARK_MAIN();
